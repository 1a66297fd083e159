// Through QDesktopServices, so tests can catch the request with a URL handler.
#include "Workspace.h"

#include <QDesktopServices>
#include <QUrl>

void openURL(const QString &address) {
    QDesktopServices::openUrl(QUrl(address));
}
