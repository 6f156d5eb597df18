#pragma once

class QApplication;

namespace kubato {

// What every process that shows the windows sets up once, after creating the QApplication
// and before the first window: font substitutes, the application font, the German standard
// dialogs, the program icon.
void prepareApplication(QApplication &app);

} // namespace kubato
