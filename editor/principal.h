// The program's main block, apart from the application object so that tests can run it.
#pragma once

#include <QStringList>

class QApplication;

namespace quibel {

// Shows the splash window, builds the main window and the three editor windows in this order,
// runs the event loop and frees everything when it ends; returns the loop's result. The real
// services are installed unless some are already (tests install fakes). argumentos are the
// program's arguments after its own name.
int bloqueprincipal(QApplication& app, const QStringList& argumentos);

} // namespace quibel
