// The tooltips of the main window's and the import window's controls, in
// Portuguese, from one table: what each control does and, while it is
// disabled, why. The reason follows the control's state as it changes.
#pragma once

struct ZenitaControls;
class TFormNovaCidade;

void installToolTips(ZenitaControls& controls);
void installToolTips(TFormNovaCidade& window);
