#pragma once
// Reports as a PDF file. The pages are made in memory and the file is
// replaced only when they are complete, through FileReplacement: a failure
// or a stop leaves the old file (or none), never a partial PDF.
#include "core/print/Report.h"
#include "core/ui/Progress.h"

#include <QByteArray>

#include <filesystem>
#include <string>
#include <vector>

namespace vexa::printlayout {

struct PdfResult {
    enum class Outcome { Written, Stopped, Failed };
    Outcome outcome = Outcome::Written;
    int pages = 0;
    std::string reason;  // for Failed: what went wrong, naming the file

    bool written() const { return outcome == Outcome::Written; }
};

// The PDF document of `reports`, titled `title`; empty when stopped or failed.
QByteArray ReportsPdf(const std::vector<print::Report>& reports, const std::string& title, Progress& progress,
                      PdfResult& result);

PdfResult WriteReportsPdf(const std::filesystem::path& file, const std::vector<print::Report>& reports,
                          const std::string& title, Progress& progress);

}  // namespace vexa::printlayout
