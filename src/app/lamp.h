#pragma once

#include <QWidget>

namespace kubato {

// A readiness lamp of the main window: two balls side by side. Off shows the left ball red
// and the right grey, on the left grey and the right green. Clicking it does nothing.
class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool on READ isOn WRITE setOn)

public:
    explicit Lamp(QWidget *parent = nullptr);

    bool isOn() const { return mOn; }
    void setOn(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool mOn = false;
};

} // namespace kubato
