#pragma once
// How a control's widget looks: its font (SetWindowFont) and the colours its
// parent gives it (EvCtlColor).
class QWidget;
class TControl;
struct LOGFONT;

void ApplyControlFont(QWidget* widget, const LOGFONT& font);
// Asks the parent whenever the widget is shown, enabled or disabled, or
// repainted; the hook goes with the widget and stops with the control.
void FollowParentColors(TControl* control, QWidget* widget);
