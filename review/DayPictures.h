#pragma once
// The day view's painted pictures: a face for the kinds of game played and
// a round lamp.
#include "analysis/DayTally.h"

#include <QWidget>

class FacePicture : public QWidget {
    Q_OBJECT
public:
    FacePicture(const QString& objectName, dayface::Face face, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {72, 72}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    dayface::Face face_;
};

class Lamp : public QWidget {
    Q_OBJECT
public:
    Lamp(const QString& objectName, QWidget* parent = nullptr);
    void setColor(const QColor& color);
    QColor color() const { return color_; }
    QSize sizeHint() const override { return {22, 22}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_{Qt::white};
};
