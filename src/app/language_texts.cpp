#include "app/language_texts.h"

namespace corvanti {

namespace {

struct LanguageTextRow {
    TextRole role;
    TextInLanguages text;
};

constexpr std::array<LanguageTextRow, kTextRoleCount> kLanguageTextTable = {{
    {TextRole::BasicPageTitle, {"基本设置", "基本設置", "Basic Settings"}},
    {TextRole::AdvancedPageTitle, {"高级设置", "高級設置", "Advanced Settings"}},
    {TextRole::ColorSettingsCaption, {"颜色设置", "顏色設置", "Color Setting"}},
    {TextRole::OkButton, kOkText},
    {TextRole::ApplyButton, {"应用", "應用", "Apply"}},
    {TextRole::CancelButton, kCancelText},
    {TextRole::KeySettingsCaption, {"按键设置", "按鍵設置", "Key Setting"}},
    {TextRole::ReportRateCaption, {"报告率设置", "報告率設置", "Report Rate Setting"}},
    {TextRole::DpiCaption, {"DPI设置", "DPI設置", "DPI Setting"}},
    {TextRole::KeyDefaultsButton, {"按键恢复", "按鍵恢復", "Default"}},
    {TextRole::KeyConfiguration1, {"按键配置1", "按鍵配置1", "Key Configuration 1"}},
    {TextRole::KeyConfiguration2, {"按键配置2", "按鍵配置2", "Key Configuration 2"}},
    {TextRole::KeyConfiguration3, {"按键配置3", "按鍵配置3", "Key Configuration 3"}},
    {TextRole::KeyConfiguration4, {"按键配置4", "按鍵配置4", "Key Configuration 4"}},
    {TextRole::AuxiliaryLedCaption, {"辅灯设置", "輔燈設置", "Auxiliary LED Setting"}},
    {TextRole::LedAsBreathing, {"设为呼吸灯", "設為呼吸燈", "As Respiration LED"}},
    {TextRole::LedAsHeartbeat, {"设为心跳灯", "設為心跳燈", "As Heart Beat LED"}},
    {TextRole::LedAsKeyGroupIndicator,
     {"设为按键组切换灯", "設為按鍵群組切換燈", "As Key Group Switch LED"}},
    {TextRole::DpiEffectCaption, {"DPI显示特效", "DPI顯示特效", "DPI Effect"}},
    {TextRole::LightingModeLabel, {"模式", "模式", "Mode"}},
    {TextRole::LightingParameterLabel, {"参数", "參數", "Parameter"}},
    {TextRole::LightingSpeed, {"速度:请调整灯光显示速度", "速度", "Speed"}},
    {TextRole::LightingBrightness, {"亮度:请调整灯光显示亮度", "亮度", "Brightness"}},
    {TextRole::LightingEffectLabel, {"效果", "效果", "Effect"}},
    {TextRole::LightingModeOff, {"关闭模式", "關閉模式", "Off"}},
    {TextRole::LightingModeStandard, {"标准模式", "標準模式", "Standard"}},
    {TextRole::LightingModeBreathing, {"呼吸模式", "呼吸模式", "Respiration"}},
    {TextRole::LightingModeNeon, {"霓虹模式", "霓虹模式", "Neon"}},
    {TextRole::DpiEffectOff, {"关闭", "關閉", "Non-Disolay"}},
    {TextRole::DpiEffectRgbEffect, {"RGB效果", "RGB效果", "RGB Effect"}},
    {TextRole::DpiEffectRgbFlash, {"RGB闪烁", "RGB閃爍", "RGB Flash"}},
    {TextRole::DpiEffectRgbSteady, {"RGB常亮", "RGB常亮", "RGB Fixed On"}},
    {TextRole::FunctionLeftClick, {"左键", "左鍵", "Left Click"}},
    {TextRole::FunctionRightClick, {"右键", "右鍵", "Right Click"}},
    {TextRole::FunctionMiddleClick, {"中键", "中鍵", "Mid Click"}},
    {TextRole::FunctionDpiUp, {"DPI +", "DPI +", "DPI +"}},
    {TextRole::FunctionDpiDown, {"DPI -", "DPI -", "DPI -"}},
    {TextRole::FunctionMyComputer, {"我的电脑", "我的電腦", "My Computer"}},
    {TextRole::FunctionPreviousTrack, {"上一首", "上一首", "Multimedia-Previous"}},
    {TextRole::FunctionNextTrack, {"下一首", "下一首", "Multimedia-Next"}},
    {TextRole::FunctionForward, {"前进方向键", "前進方向鍵", "Forward"}},
    {TextRole::FunctionBackward, {"后退方向键", "後退方向鍵", "Backward"}},
    {TextRole::FunctionTripleClick, {"三连发", "三連發", "Triple-click"}},
    {TextRole::FunctionDpiSwitch, {"DPI切换", "DPI切換", "DPI Switch"}},
    {TextRole::FunctionReportRateSwitch, {"报告率切换", "報告率切換", "Report Rate Switch"}},
    {TextRole::FunctionShift, {"Shift", "Shift", "Shift"}},
    {TextRole::FunctionRgbOnOff, {"RGB打开/关闭", "RGB打開/關閉", "RGB On/Off"}},
    {TextRole::FunctionWindows, {"Windows", "Windows", "Windows"}},
    {TextRole::FunctionMultimediaGroup, {"多媒体", "多媒體", "Multimedia"}},
    {TextRole::FunctionFireKey, {"火力键", "火力鍵", "Fire Key"}},
    {TextRole::FunctionSingleKey, {"单键", "單鍵", "Single Key"}},
    {TextRole::FunctionCombinationKey, {"组合键", "複合鍵", "Combo Key"}},
    {TextRole::FunctionMacroKey, {"宏", "巨集", "Macro Key"}},
    {TextRole::FunctionKeyOff, {"按键关闭", "按鍵關閉", "Key Off"}},
    {TextRole::FireKeySuffix, {"-L-Button", "-L-Button", "-L-Button"}},
    {TextRole::LeftButtonWarning,
     {"左键功能必须选择！", "左鍵功能必須選擇！", "Left key must be selected!"}},
    {TextRole::WebAddress, {kWebAddress, kWebAddress, kWebAddress}},
    {TextRole::BalloonRate1000,
     {"报告率切换到1000HZ", "報告率切換到1000HZ", "Switch report rate into 1000HZ"}},
    {TextRole::BalloonRate500,
     {"报告率切换到500HZ", "報告率切換到500HZ", "Switch report rate into 500HZ"}},
    {TextRole::BalloonRate250,
     {"报告率切换到250HZ", "報告率切換到250HZ", "Switch report rate into 250HZ"}},
    {TextRole::BalloonRate125,
     {"报告率切换到125HZ", "報告率切換到125HZ", "Switch report rate into 125HZ"}},
    {TextRole::BalloonDpiStage1,
     {"DPI切换到第一段", "DPI切換到第一段", "Switch DPI into the first stage "}},
    {TextRole::BalloonDpiStage2,
     {"DPI切换到第二段", "DPI切換到第二段", "Switch DPI into the second stage "}},
    {TextRole::BalloonDpiStage3,
     {"DPI切换到第三段", "DPI切換到第三段", "Switch DPI into the third stage "}},
    {TextRole::BalloonDpiStage4,
     {"DPI切换到第四段", "DPI切換到第四段", "Switch DPI into the fourth stage "}},
    {TextRole::BalloonKeyMatrix1, {"切换到按键组1", "切換到按鍵群組1", "Switch to key matrix 1"}},
    {TextRole::BalloonKeyMatrix2, {"切换到按键组2", "切換到按鍵群組2", "Switch to key matrix 2"}},
    {TextRole::BalloonKeyMatrix3, {"切换到按键组3", "切換到按鍵群組3", "Switch to key matrix 3"}},
    {TextRole::BalloonKeyMatrix4, {"切换到按键组4", "切換到按鍵群組4", "Switch to key matrix 4"}},
    {TextRole::BalloonMacroKey, {"切换到宏", "切換到巨集", "Switch to macro key"}},
    {TextRole::TrayMenuExit, {"退出", "退出", "Exit"}},
    {TextRole::BalloonNotDetected,
     {"系统没有检测到游戏鼠标！", "系統沒有檢測到遊戲滑鼠！",
      "The system did not detect the gaming mouse!"}},
    {TextRole::BalloonDetected,
     {"系统检测到游戏鼠标。", "系統檢測到遊戲滑鼠。", "The system detect the gaming mouse."}},
    {TextRole::MouseSpeedCaption, {"鼠标移动速度", "滑鼠移動速度", "Mouse Speed"}},
    {TextRole::ScrollingSpeedCaption, {"鼠标滚动速度", "滑鼠滾動速度", "Scrolling Speed"}},
    {TextRole::DoubleClickSpeedCaption, {"鼠标双击速度", "滑鼠雙擊速度", "Double-Click Speed"}},
    {TextRole::MacroSettingsCaption, {"宏设置", "巨集設置", "Macro Setting"}},
    {TextRole::MacroListCaption, {"选择宏", "選擇巨集", "Select Macro"}},
    {TextRole::KeySequenceCaption, {"按键序列", "按鍵序列", "Key Press Sequence"}},
    {TextRole::RecordOptionsCaption, {"录制选项", "錄製選項", "Record Option"}},
    {TextRole::PointerPrecisionTick,
     {"提高指针准确度", "提高指針準確度", "Enhance Pointer Precision"}},
    {TextRole::PageScrollingTick, {"一次滚动一个屏幕", "一次滾動一個螢幕", "Scroll One Screen"}},
    {TextRole::PointerDefaultsButton, {"恢复默认", "恢復默認", "Default"}},
    {TextRole::MacroNameLabel, {"宏名称", "巨集名稱", "Macro Name"}},
    {TextRole::StartRecording, {"开始录制", "開始錄製", "Start Recording"}},
    {TextRole::StopRecording, {"停止录制", "停止錄製", "Stop Recording"}},
    {TextRole::RecordOptionTick, {"只录制键盘事件", "只錄製鍵盤事件", "Record Mouse Event"}},
    {TextRole::LoopCountLabel, {"循环次数", "迴圈次數", "Loop Times"}},
    {TextRole::InsertMouseEventBox,
     {"插入一个鼠标事件", "插入一個滑鼠事件", "Insert A Mouse Event"}},
    {TextRole::NewMacro, {"新建", "新建", "New"}},
    {TextRole::Delete, {"删除", "刪除", "Delete"}},
    {TextRole::ConfirmMacro, {"确认", "確認", "Confirm"}},
    {TextRole::MacroNameEmpty, {"宏名称为空", "巨集名稱為空", "Macro name is blank"}},
    {TextRole::MacroNameExists,
     {"宏名称已经存在", "巨集名稱已經存在", "Macro name already exists"}},
    {TextRole::RecordingHint,
     {"按Ctrl+Break可以停止录制", "按Ctrl+Break可以停止錄製",
      "Press Ctrl+Break key to stop recording"}},
    {TextRole::StopWithoutRecording,
     {"没有开始录制,点击停止录制按钮没有意义！", "沒有開始錄製，點擊停止錄製按鈕沒有意義！",
      "It doesn’t start recording, unnecessary to press Stop key!"}},
    {TextRole::SettingsSectionName, {"Setting-CHS", "Setting-CHT", "Setting-EN"}},
}};

constexpr bool RowsFollowTheRoles() {
    for (std::size_t i = 0; i < kLanguageTextTable.size(); ++i) {
        if (static_cast<std::size_t>(kLanguageTextTable[i].role) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsFollowTheRoles(), "every row stands at the position of its role");

}  // namespace

std::string_view LanguageText(Language language, TextRole role) {
    const auto index = static_cast<std::size_t>(role);
    if (index >= kLanguageTextTable.size()) {
        return {};
    }
    return kLanguageTextTable[index].text.In(language);
}

LanguageTexts::LanguageTexts(Language language) : language_(language) {
    for (std::size_t i = 0; i < kTextRoleCount; ++i) {
        texts_[i] = std::string(LanguageText(language, static_cast<TextRole>(i)));
    }
}

const std::string& LanguageTexts::Text(TextRole role) const {
    static const std::string kNoText;
    const auto index = static_cast<std::size_t>(role);
    return index < texts_.size() ? texts_[index] : kNoText;
}

}  // namespace corvanti
