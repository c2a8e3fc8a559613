#include "annotate/save_annotation.h"

#include <system_error>

#include "annotate/anchors.h"
#include "annotate/annotation_file.h"
#include "annotate/annotation_record.h"
#include "annotate/phrase_list.h"
#include "platform/codec.h"

namespace korvo::annotate {

namespace {

void KeepPhrase(SaveContext& c, const std::string& cp932Text) {
    AnnotationState& s = c.state;
    if (!s.savePhrase || !IsSavablePhrase(s.annotationText)) return;
    s.savePhrase = false;
    if (!AppendPhrase(c.startDirectory, cp932Text))
        c.prompts.ShowMessage(kWriteProtectedText, kPhraseListName, platform::Buttons::Ok,
                              platform::Icon::Exclamation);
}

// The file with the record added: at its end, or, when its end could not be
// read as records, before that part, so the new one is read back.
std::string WithRecord(const std::string& bytes, const ParsedAnnotations& parsed,
                       const std::string& record) {
    if (!parsed.damagedTail) return bytes + record;
    return bytes.substr(0, parsed.consumed) + record + bytes.substr(parsed.consumed);
}

}  // namespace

std::optional<std::string> StoredText(std::string_view utf8) {
    const auto cp932 = platform::Utf8ToCp932(utf8);
    if (!cp932) return std::nullopt;
    std::size_t end = 0;
    while (end < cp932->size()) {
        const std::size_t next = end + platform::CharLengthAt(*cp932, end);
        if (next > kMaxAnnotationTextBytes) break;
        end = next;
    }
    return cp932->substr(0, end);
}

std::optional<AnnotationRecord> MakeRecord(const SaveContext& c, std::int32_t number) {
    const AnnotationState& s = c.state;
    const auto anchors = ComputeAnchors(c.geometry, s.startPoint, s.endPoint);
    if (!anchors) return std::nullopt;
    AnnotationRecord r;
    r.font = s.annotationFont;
    r.text = StoredText(s.annotationText).value_or(std::string());
    r.number = number;
    r.points = anchors->points;
    r.colour = c.colour;
    r.escapement = s.annotationRotation;
    r.chartState = c.chartState;
    r.centred = s.centred;
    r.withArrow = s.withArrow;
    r.lineOnly = s.lineOnly;
    r.startSlot = anchors->startSlot;
    r.startPrice = anchors->startPrice;
    r.endSlot = anchors->endSlot;
    r.endPrice = anchors->endPrice;
    r.plotStartYear = c.series.plotStartYear;
    r.plotStartMonth = c.series.plotStartMonth;
    r.plotStartDay = 1;
    return r;
}

int SaveTextAnnotation(SaveContext& c) {
    const AnnotationFileName name = CheckAnnotationFileName(c.startDirectory, c.series.chrFileName);
    if (!name.Accepted()) {
        ShowRefusal(c.prompts, name);
        return kSaveNotWritten;
    }
    const bool placeable =
        ComputeAnchors(c.geometry, c.state.startPoint, c.state.endPoint).has_value();
    KeepPhrase(c, StoredText(c.state.annotationText).value_or(std::string()));
    if (!placeable) return kSaveNoZoom;
    std::error_code error;
    const auto existing = ReadAnnotationFile(name.path, c.startDirectory);
    if (!existing && std::filesystem::exists(name.path, error)) {
        // A file that is there but cannot be read is never replaced by the new record alone.
        c.prompts.ShowMessage(kWriteProtectedText, name.shownName, platform::Buttons::Ok,
                              platform::Icon::Exclamation);
        return kSaveNotWritten;
    }
    const std::string bytes = existing.value_or(std::string());
    const ParsedAnnotations parsed = ParseAnnotations(bytes);
    const auto number = static_cast<std::int32_t>(parsed.records.size());
    const auto record = MakeRecord(c, number);
    if (!ReplaceAnnotationFile(name, WithRecord(bytes, parsed, FormatAnnotationRecord(*record)),
                               c.prompts))
        return kSaveNotWritten;
    c.state.annotationCount = number + 1;
    return number + 1;
}

}  // namespace korvo::annotate
