#include "core/sound/AudioOutput.h"

namespace vexa {

std::string AudioFaultText(const AudioResult& result) {
    std::string text;
    switch (result.fault) {
    case AudioFault::None: return {};
    case AudioFault::FileMissing: text = "ファイルが見つかりません。"; break;
    case AudioFault::Unplayable: text = "再生できないWAVEファイルです。"; break;
    case AudioFault::NoOutputDevice:
        text = "このコンピュータには音声の出力先がありません（サウンドサーバーまたは出力装置が見つかりません）。";
        break;
    case AudioFault::OutputFailed: text = "音声出力を開始できませんでした。"; break;
    }
    if (!result.detail.empty())
        text += "（" + result.detail + "）";
    return text;
}

}  // namespace vexa
