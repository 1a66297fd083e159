// The user's desktop: opening a web address in the user's browser.
#pragma once

#include <QString>

// Asks the desktop to open the address; a failure is not reported.
void openURL(const QString &address);
