#pragma once
// The main window's tool commands: the Load Tool window (CAM), Save Tool and Save Tool As
// (File > Plot Window) with the tool-nose dialog, the Animation toolbar (speed bar and On/Off
// switch) with View > "&Animation", and the two tool name panels.

namespace vormak {

class TMainForm;

void InstallToolActions(TMainForm* form);

}  // namespace vormak
