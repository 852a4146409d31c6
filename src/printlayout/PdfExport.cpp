#include "printlayout/PdfExport.h"

#include "printlayout/ReportRenderer.h"
#include "core/config/Messages.h"
#include "core/files/FileReplacement.h"

#include <QBuffer>
#include <QPdfWriter>

namespace vexa::printlayout {

QByteArray ReportsPdf(const std::vector<print::Report>& reports, const std::string& title, Progress& progress,
                      PdfResult& result) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(title));
        writer.setCreator(QString::fromStdString(title));
        writer.setResolution(600);
        const RenderResult rendered = RenderReports(writer, reports, progress);
        result.pages = rendered.pages;
        switch (rendered.outcome) {
        case RenderResult::Outcome::Done:
            result.outcome = PdfResult::Outcome::Written;
            break;
        case RenderResult::Outcome::Stopped:
            result.outcome = PdfResult::Outcome::Stopped;
            return {};
        case RenderResult::Outcome::Failed:
            result.outcome = PdfResult::Outcome::Failed;
            result.reason = GetMsg(msg::kPrintFailed);
            return {};
        }
    }  // the writer finishes the document when it goes
    return bytes;
}

PdfResult WriteReportsPdf(const std::filesystem::path& file, const std::vector<print::Report>& reports,
                          const std::string& title, Progress& progress) {
    PdfResult result;
    const QByteArray bytes = ReportsPdf(reports, title, progress, result);
    if (!result.written())
        return result;
    const WriteResult written =
        ReplaceFileContents(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written) {
        result.outcome = PdfResult::Outcome::Failed;
        result.reason = written.message;
    }
    return result;
}

}  // namespace vexa::printlayout
