// A recording stand-in for the message boxes: tests read what would have been shown.
#pragma once

#include "app/messageboxes.h"

#include <QStringList>

class RecordingBoxes : public xingming::app::MessageBoxes {
public:
    RecordingBoxes() { xingming::app::setMessageBoxes(this); }
    ~RecordingBoxes() override { xingming::app::setMessageBoxes(nullptr); }

    void tip(QWidget*, const QString& text) override { tips << text; }
    void warning(QWidget*, const QString& text) override { warnings << text; }
    void titled(QWidget*, const QString& text, const QString& title) override
    {
        tips << text;
        titles << title;
    }

    // The messages shown since the last call, tips and warnings in one list.
    QStringList take()
    {
        QStringList all = tips + warnings;
        tips.clear();
        warnings.clear();
        titles.clear();
        return all;
    }

    QStringList tips, warnings;
    QStringList titles; // titles of the titled boxes, in order
};
