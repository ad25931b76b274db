#include "app/balloon_texts.h"

namespace corvanti {

BalloonTexts BalloonTextsFrom(const LanguageTexts& texts) {
    BalloonTexts balloons;
    balloons.report_rate = {
        texts.Text(TextRole::BalloonRate1000), texts.Text(TextRole::BalloonRate500),
        texts.Text(TextRole::BalloonRate250), texts.Text(TextRole::BalloonRate125)};
    balloons.dpi_stage = {
        texts.Text(TextRole::BalloonDpiStage1), texts.Text(TextRole::BalloonDpiStage2),
        texts.Text(TextRole::BalloonDpiStage3), texts.Text(TextRole::BalloonDpiStage4)};
    balloons.key_matrix = {texts.Text(TextRole::BalloonKeyMatrix1),
                           texts.Text(TextRole::BalloonKeyMatrix2)};
    balloons.macro_key = texts.Text(TextRole::BalloonMacroKey);
    balloons.detected = texts.Text(TextRole::BalloonDetected);
    balloons.not_detected = texts.Text(TextRole::BalloonNotDetected);
    return balloons;
}

}  // namespace corvanti
