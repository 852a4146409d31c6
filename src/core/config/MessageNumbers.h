#pragma once
// The catalogue numbers the program uses, each named once. Code fetches texts
// with GetMsg(msg::…); a bare number appears only in the catalogue itself.
namespace vexa::msg {

inline constexpr int kAppTitle = 1000;            // "Vexa Editor 2J"
inline constexpr int kPlayCaption = 1007;         // "試聴"
inline constexpr int kSoundCaption = 1100;        // "Sound登録"
inline constexpr int kAlreadyRunning = 2000;
inline constexpr int kTitleConfirm = 2002;        // "確認"
inline constexpr int kRequiredMissing = 2003;
inline constexpr int kEnterNumber = 2004;
inline constexpr int kOutputTimeRange = 2005;     // 0.000 … 300.000
inline constexpr int kClearQuestion = 2032;
inline constexpr int kTestStart = 2034;           // "テスト開始"
inline constexpr int kTestStop = 2035;            // "テスト停止"
inline constexpr int kSaveBeforeExit = 2036;
inline constexpr int kExitQuestion = 2037;
inline constexpr int kSecondsUnit = 2038;         // "秒"
inline constexpr int kBytesUnit = 2039;           // "バイト"
inline constexpr int kChooseFileTitle = 2040;     // "ファイル選択"
inline constexpr int kSoundListFull = 2041;       // at most 255 sounds
inline constexpr int kAlreadyRegisteredBefore = 2042;  // "指定のファイル" + name …
inline constexpr int kAlreadyRegisteredAfter = 2043;   // … + " は既に登録されています。"
inline constexpr int kDeleteSoundQuestion = 2044;
inline constexpr int kDeleteAllSoundsQuestion = 2045;
inline constexpr int kDiscardDetailsQuestion = 2067;
inline constexpr int kKtrFiles = 2071;
inline constexpr int kVoiceMoveRefused = 2088;    // the target line is full
inline constexpr int kWpjFiles = 2089;
inline constexpr int kVxaFiles = 2090;
inline constexpr int kChooseCopySheets = 2094;
inline constexpr int kSoundCapacity = 2108;       // the sizes would pass 2147483647 bytes
inline constexpr int kTitleError = 2500;          // "エラー"
inline constexpr int kLoadFailed = 2504;
inline constexpr int kNoSounds = 2520;
inline constexpr int kOverwriteAllQuestion = 2521;
inline constexpr int kWaveReadFailed = 2800;
inline constexpr int kWaveNotRiff = 2801;
inline constexpr int kWaveChunkMissing = 2802;
inline constexpr int kWaveUnsupported = 2803;
inline constexpr int kWaveRegisterAgain = 2804;
inline constexpr int kWaveStereo = 2805;
inline constexpr int kWaveRate = 2806;
inline constexpr int kAttention = 2808;
inline constexpr int kWaveUnusable = 2811;
inline constexpr int kCommentTooLong = 2812;      // COMENTS holds 20 full-width characters

}  // namespace vexa::msg
