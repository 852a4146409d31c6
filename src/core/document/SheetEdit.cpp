#include "core/document/SheetEdit.h"

#include "core/model/Project.h"

#include <algorithm>

namespace vexa {
namespace {

bool isSheet(int sheet) { return sheet >= 0 && sheet < kSheetSlots; }
bool isLine(int line) { return line >= 0 && line < kLineSlots; }

ProgramSheet& sheetOf(Project& project, int sheet) { return project.sheets[static_cast<std::size_t>(sheet)]; }

}  // namespace

std::unique_ptr<SheetEdit> SheetEdit::between(SheetEditKind kind, int sheet, const ProgramSheet& before,
                                              const ProgramSheet& after) {
    auto edit = std::make_unique<SheetEdit>(kind);
    edit->addSheet(sheet, before, after);
    return edit;
}

void SheetEdit::addLine(int sheet, int line, const ProgramLine& before, const ProgramLine& after) {
    if (!isSheet(sheet) || !isLine(line) || before == after)
        return;
    lines_.push_back({sheet, line, before, after});
}

void SheetEdit::addHeader(int sheet, const SheetHeader& before, const SheetHeader& after) {
    if (!isSheet(sheet) || before == after)
        return;
    headers_.push_back({sheet, before, after});
}

void SheetEdit::addSheet(int sheet, const ProgramSheet& before, const ProgramSheet& after) {
    addHeader(sheet, before.header, after.header);
    const std::size_t count = std::min(before.lines.size(), after.lines.size());
    for (std::size_t i = 0; i < count; ++i)
        addLine(sheet, static_cast<int>(i), before.lines[i], after.lines[i]);
}

void SheetEdit::redo(Project& project) {
    for (const auto& h : headers_)
        sheetOf(project, h.sheet).header = h.after;
    for (const auto& l : lines_)
        sheetOf(project, l.sheet).lines[static_cast<std::size_t>(l.line)] = l.after;
}

void SheetEdit::undo(Project& project) {
    for (auto h = headers_.rbegin(); h != headers_.rend(); ++h)
        sheetOf(project, h->sheet).header = h->before;
    for (auto l = lines_.rbegin(); l != lines_.rend(); ++l)
        sheetOf(project, l->sheet).lines[static_cast<std::size_t>(l->line)] = l->before;
}

std::string SheetEdit::text() const {
    switch (kind_) {
    case SheetEditKind::Cell: return "セルの編集";
    case SheetEditKind::MoveVoice: return "音声の移動";
    case SheetEditKind::DeleteVoice: return "音声の削除";
    case SheetEditKind::BatchFill: return "一括登録";
    case SheetEditKind::ClearSheet: return "全ｸﾘｱ";
    case SheetEditKind::Header: return "シート設定の変更";
    case SheetEditKind::Name: return "名称の変更";
    case SheetEditKind::Memo: return "メモの変更";
    case SheetEditKind::Duplicate: return "シート複製";
    case SheetEditKind::VoiceRefresh: return "音声セルの更新";
    }
    return {};
}

int SheetEdit::sheet() const {
    if (!headers_.empty())
        return headers_.front().sheet;
    return lines_.empty() ? -1 : lines_.front().sheet;
}

bool SheetEdit::isEmpty() const {
    const auto same = [](const auto& change) { return change.before == change.after; };
    return std::all_of(headers_.begin(), headers_.end(), same) && std::all_of(lines_.begin(), lines_.end(), same);
}

bool SheetEdit::mergeWith(const Command& next) {
    const auto* other = dynamic_cast<const SheetEdit*>(&next);
    if (!other || other->kind_ != kind_ || other->mergeCell_ != mergeCell_ || mergeCell_ < 0)
        return false;
    // The earlier before stays; the later after wins.
    for (const auto& h : other->headers_) {
        auto mine = std::find_if(headers_.begin(), headers_.end(), [&](const auto& x) { return x.sheet == h.sheet; });
        if (mine == headers_.end())
            headers_.push_back(h);
        else
            mine->after = h.after;
    }
    for (const auto& l : other->lines_) {
        auto mine = std::find_if(lines_.begin(), lines_.end(),
                                 [&](const auto& x) { return x.sheet == l.sheet && x.line == l.line; });
        if (mine == lines_.end())
            lines_.push_back(l);
        else
            mine->after = l.after;
    }
    return true;
}

}  // namespace vexa
