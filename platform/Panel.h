// A panel, as the interface definition names one: a tool window that floats above the program's
// windows, not above other programs', and stays out of the task bar. It first opens beside the
// window it floats above, and afterwards where it was left.
#pragma once

#include <QWidget>

class Panel : public QWidget {
    Q_OBJECT
    // Where the panel first opens: beside the window it floats above, before it ("leading", to the
    // left) or after it ("trailing"), cascade steps of 32 points down; where the screen's available
    // area has no room there, as far out as it has, below that window's menu bar. Always wholly in
    // the available area.
    Q_PROPERTY(QString side MEMBER side)
    Q_PROPERTY(int cascade MEMBER cascade)
public:
    Q_INVOKABLE explicit Panel(QWidget *parent = nullptr);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPoint firstPlace() const;

    QString side = "trailing";
    int cascade = 0;
    bool placed = false;
};
