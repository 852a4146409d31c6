// The print-outs with the longest values the editor accepts: every value is
// found whole in the PDF's text (pdftotext, poppler-utils), nothing is cut
// with "…". Narrow cells shrink their text; long labelled values wrap.
#include "printlayout/PdfExport.h"
#include "TestPaths.h"
#include "core/config/ElementPatternFile.h"
#include "core/print/PrintJob.h"

#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <set>

namespace vexa::print {
namespace {

namespace fs = std::filesystem;

std::string outputOf(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// `count` full-width characters cycling through `pattern` (full-width too).
std::string fullWidth(const char* pattern, int count) {
    const QString cycle = QString::fromUtf8(pattern);
    QString text;
    for (int i = 0; i < count; ++i)
        text += cycle[i % cycle.size()];
    return text.toStdString();
}

std::string withoutBlanks(const std::string& text) {
    QString q = QString::fromStdString(text);
    q.remove(QRegularExpression(QStringLiteral("\\s")));
    return q.toStdString();
}

TEST(LongestValuesPrint, EveryAcceptedValueIsPrintedWhole) {
    if (std::system("command -v pdftotext >/dev/null") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";

    Configuration c;
    c.settings.maxLine = 255;
    c.settings.addFunction1 = 1;
    c.settings.cardPath = "/home/user/ドキュメント/VexaEditor CardData";
    Project p;
    p.user.values[4] = fullWidth("東京都千代田区丸の内一丁目二番三号放送会館ビル", 60);  // 住所
    p.clearSheets(255);
    ProgramSheet& sheet = p.sheets[0];
    sheet.header.name = fullWidth("名称ＷＭ朝の放送", 30);
    sheet.header.memo = fullWidth("メモＷＭ祝日は止める", 40);
    for (auto& line : sheet.lines) {
        line.voices.fill("WWWWWWWW.WAV");  // the widest 8.3 name
        line.ledType = "2";
        line.buzzerType = "4";
        line.ledTime = "12345.0";  // five typed digits, formatted
        line.buzzerTime = "300.0";
        line.time = "9999.9";
        line.select = "9";
        line.repeat = "9";
        line.ex.fill("1");
    }
    p.card.title = fullWidth("機種ＷＭ", 20);
    p.card.cardType = fullWidth("型式ＷＭ", 20);
    p.card.cardName = "WWWWWWWW";
    p.card.folder = fullWidth("フォルダＷ", 40);
    p.card.prgCorp = fullWidth("会社ＷＭ", 20);
    p.card.memo1 = fullWidth("あいうえおかきくけこＷＭ", 80);
    p.card.memo2 = fullWidth("さしすせそたちつてとＷＭ", 80);
    p.sounds.clear();
    for (int k = 0; k < 255; ++k) {
        char name[16];
        std::snprintf(name, sizeof name, "W%07d.WAV", k);
        p.sounds.push_back({name, "11.025KHz", "16bit", "Stereo", "9999.999", "4294967295", "",
                            fullWidth("コメントＷＭ", 20)});
    }
    p.soundPresent = true;

    const auto elements = ElementPatternFile::load(test::programFolder() / "elmptnvxa.elm");
    const auto reports = BuildPrintJob(p, c, elements, PrintChoices{true, true, true, true, true}, PrintTime{});
    test::TempDir dir;
    const fs::path pdf = dir / "longest.pdf";
    NoProgress progress;
    ASSERT_TRUE(printlayout::WriteReportsPdf(pdf, reports, "test", progress).written());
    const std::string text = outputOf("pdftotext -layout '" + pdf.string() + "' -");
    const std::string joined = withoutBlanks(text);

    EXPECT_EQ(text.find("…"), std::string::npos) << "a value was cut";
    // Every line number of the 255-line sheets, 100 and up included.
    std::set<int> numbers;
    const std::regex row(R"((^|\n) *(\d{2,3}) +\S)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), row); it != std::sregex_iterator(); ++it)
        numbers.insert(std::stoi((*it)[2]));
    for (int n : {1, 99, 100, 101, 199, 254, 255})
        EXPECT_TRUE(numbers.contains(n)) << n;
    for (const std::string& value :
         {sheet.header.name, sheet.header.memo, p.card.title, p.card.cardType, p.card.folder, p.card.prgCorp,
          p.card.memo1, p.card.memo2, p.user.values[4], p.sounds[254].comment, std::string("W0000254.WAV"),
          std::string("4294967295"), std::string("11.025KHz"), std::string("12345.0"), std::string("9999.9"),
          std::string("パターンC")})
        EXPECT_NE(joined.find(withoutBlanks(value)), std::string::npos) << value;
    // The eight voices of a line, whole, on the line's row.
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(\n *255 .*(WWWWWWWW\.WAV +){7}WWWWWWWW\.WAV)"))) << text;
}

}  // namespace
}  // namespace vexa::print
