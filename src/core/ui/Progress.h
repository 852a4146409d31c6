#pragma once
// How long work (conversion, silence, card creation) reports how far it got
// and hears a stop request, without knowing which window or terminal shows it.
#include <string>

namespace vexa {

class Progress {
public:
    virtual ~Progress() = default;

    // 0 … 100.
    virtual void setValue(int percent) = 0;
    // A progress or end text ("Converting, Please wait... 40%").
    virtual void setCaption(const std::string& text) = 0;
    // Polled by the running job; true once the user asked it to stop.
    virtual bool stopRequested() = 0;
};

// For callers that want neither progress nor a way to stop.
class NoProgress final : public Progress {
public:
    void setValue(int) override {}
    void setCaption(const std::string&) override {}
    bool stopRequested() override { return false; }
};

}  // namespace vexa
