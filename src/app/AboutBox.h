// The about box of Help > About: name, version, purpose and licence.
#pragma once

class QWidget;

namespace app {

void showAboutBox(QWidget* parent);

}  // namespace app
