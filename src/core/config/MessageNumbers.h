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

// control data creation and its small windows
inline constexpr int kCardMakeTitle = 1001;       // "コントロールデータ作成"
inline constexpr int kReleaseNotesTitle = 1003;   // "更新履歴"
inline constexpr int kCheckPlease = 2007;         // "確認してください。" after a length or date refusal
inline constexpr int kTooLong20 = 2009;           // 20 full-width characters
inline constexpr int kCardNameMissing = 2010;
inline constexpr int kWideCharRefused = 2011;
inline constexpr int kCardNameTooLong = 2012;     // 8 half-width characters
inline constexpr int kForbiddenCharsHead = 2013;
inline constexpr int kForbiddenCharsTail = 2014;
inline constexpr int kFolderMissing = 2015;
inline constexpr int kCardSizeMissing = 2016;
inline constexpr int kModelMissing = 2017;
inline constexpr int kCompanyMissing = 2018;
inline constexpr int kMakerMissing = 2019;
inline constexpr int kTooLong80 = 2021;           // 80 full-width characters
inline constexpr int kCardFormatTitle = 2023;
inline constexpr int kReplaceCardFolder = 2024;
inline constexpr int kCardInitialising = 2025;
inline constexpr int kCardWritingControl = 2026;
inline constexpr int kCardCopying = 2027;
inline constexpr int kCardCreated = 2029;       // "作成完了"
inline constexpr int kCardDone = 2030;
inline constexpr int kCardDoneTitle = 2031;
inline constexpr int kCardProgressTitle = 2069;
inline constexpr int kNoCardDataFolder = 2070;
inline constexpr int kCardFolderLabel = 2077;     // "作成フォルダ "
inline constexpr int kDateMissing = 2078;
inline constexpr int kEntryInvalid = 2082;
inline constexpr int kDateInvalid = 2087;
inline constexpr int kSheetNameTooLong = 2095;
inline constexpr int kSheetMemoTooLong = 2096;
inline constexpr int kStartTimeMissing = 2097;
inline constexpr int kEndTimeMissing = 2098;
inline constexpr int kSheetPrefixHead = 2099;     // " シートNo.（"
inline constexpr int kSheetPrefixTail = 2100;     // "） "
inline constexpr int kLinePrefixHead = 2101;      // "No.（"
inline constexpr int kLinePrefixTail = 2102;      // "） "
inline constexpr int kInputErrors = 2103;
inline constexpr int kLedTimeMissing = 2104;
inline constexpr int kLedTimeRange = 2105;
inline constexpr int kBuzzerTimeMissing = 2106;
inline constexpr int kBuzzerTimeRange = 2107;
inline constexpr int kControlDataFailed = 2507;
inline constexpr int kCardFormatNote1 = 2809;
inline constexpr int kCardFormatNote2 = 2810;

// the settings window
inline constexpr int kSettingsCaption = 1004;       // "詳細設定"
inline constexpr int kCardPathMissing = 2046;
inline constexpr int kFolderNotFound = 2047;        // "指定されたフォルダは存在しません。"
inline constexpr int kClearContentsQuestion = 2072; // a new Line Count or sheet mode clears the sheets
inline constexpr int kLedPatternRange = 2080;       // 0.1 … 99.9
inline constexpr int kBuzzerPatternRange = 2081;    // 0.1 … 99.9
inline constexpr int kCreateFolderQuestion = 2085;  // "フォルダを作成しますか？"
inline constexpr int kFolderNotCreated = 2807;       // "フォルダの作成に失敗しました。"
// the folder question and its messages are shared with the WAVE tools window

// printing
inline constexpr int kPrintCaption = 1008;          // "印刷の選択"
inline constexpr int kNothingToPrint = 2079;        // no report chosen
inline constexpr int kPrinterError = 2084;          // "プリンタエラー" …
inline constexpr int kPrintFailed = 2506;           // "印刷処理に失敗しました。"

}  // namespace vexa::msg
