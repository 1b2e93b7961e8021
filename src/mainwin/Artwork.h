#pragma once
// The program's picture: a bright umbrella with numbers raining around it.
#include <QWidget>

class Artwork : public QWidget {
    Q_OBJECT
public:
    explicit Artwork(QWidget* parent = nullptr);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
