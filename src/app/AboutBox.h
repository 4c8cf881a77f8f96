// The about box of Help > About: name, version, purpose and licence.
#pragma once

class QWidget;

namespace app {

// The program's version ("3.0.0").
const char* aboutVersion();
void showAboutBox(QWidget* parent);

}  // namespace app
