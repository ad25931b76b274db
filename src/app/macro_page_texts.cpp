#include "app/macro_page_texts.h"

namespace corvanti {

MacroPageTexts MacroPageTextsOf(const LanguageTexts& texts) {
    return {
        .start_recording = texts.Text(TextRole::StartRecording),
        .stop_recording = texts.Text(TextRole::StopRecording),
        .not_recording = texts.Text(TextRole::StopWithoutRecording),
        .blank_name = texts.Text(TextRole::MacroNameEmpty),
        .name_exists = texts.Text(TextRole::MacroNameExists),
        .recording_hint = texts.Text(TextRole::RecordingHint),
    };
}

}  // namespace corvanti
