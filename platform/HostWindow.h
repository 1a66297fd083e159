// Another program's X window to draw in: a screen-saver daemon's, or a settings dialog's preview.
// Follows its size and notices when it goes, from X's structure events on it.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QSize>
#include <memory>

class QWindow;

class HostWindow : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // The window with that X id (0: the root window); nullptr when there is no such window or the
    // platform is not X11.
    static std::unique_ptr<HostWindow> open(unsigned long id);
    ~HostWindow() override;

    // Stands for the window in Qt, to be a parent of our own windows.
    QWindow *window() const { return foreign; }
    QSize size() const { return pixels; } // device pixels
    unsigned long id() const { return xid; }
    bool isRoot() const { return root; }

signals:
    void resized(QSize pixels);
    void gone();

protected:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *result) override;

private:
    HostWindow(unsigned long id, bool root, QSize pixels);

    unsigned long xid;
    bool root;
    QSize pixels;
    QWindow *foreign;
};
