// What the annotation tools keep for the whole run: the text and the choices
// of the text dialog, the font the records carry, the count of the current
// file, delete mode, and the placement under the left mouse button.
#pragma once

#include <cstdint>
#include <string>

#include "platform/canvas.h"

namespace korvo::annotate {

// Character sets as the records store them.
inline constexpr std::int32_t kDefaultCharset = 1;
inline constexpr std::int32_t kShiftJisCharset = 128;

// The font an annotation record carries (its face name in CP932 bytes).
struct AnnotationFont {
    std::string faceName = "\x82\x6c\x82\x72\x83\x53\x83\x56\x83\x62\x83\x4e";  // ＭＳゴシック
    std::int32_t height = -45;  // the label font at full size
    std::int32_t weight = 400;
    std::int32_t italic = 0;
    std::int32_t underline = 0;
    std::int32_t strikeOut = 0;
    std::int32_t charset = kShiftJisCharset;

    friend bool operator==(const AnnotationFont&, const AnnotationFont&) = default;
};

struct AnnotationState {
    // The text last written (UTF-8); the dialog offers it again.
    std::string annotationText;
    AnnotationFont annotationFont;
    std::int32_t annotationRotation = 0;  // escapement of the font, tenths of a degree
    // The check boxes of the text dialog.
    bool withArrow = false;
    bool centred = false;
    bool lineOnly = false;
    bool savePhrase = false;

    // Annotations in the current file, as the last drawing or store counted them.
    int annotationCount = 0;
    // The next drawing asks, annotation by annotation, which to delete.
    bool deleteMode = false;
    // The text dialog was confirmed: the left button places the annotation.
    bool placingText = false;
    // From left-button press to release while placing.
    bool draggingText = false;
    // Where the button went down and where the rubber band ends (client pixels).
    platform::Point startPoint;
    platform::Point endPoint;

    // The refused annotation-file name last reported (CP932 bytes), so a
    // refusal is told once per name, not at every paint.
    std::string refusalShownFor;
};

}  // namespace korvo::annotate
