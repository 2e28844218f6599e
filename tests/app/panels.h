// Filling the main window's panels as a user would, for the window tests.
#pragma once

#include "app/zyindexform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>

// Types text into the box or list of that name.
inline void setField(QWidget& w, const char* name, const QString& text)
{
    if (auto* e = w.findChild<QLineEdit*>(QString::fromLatin1(name)))
        e->setText(text);
    else if (auto* c = w.findChild<QComboBox*>(QString::fromLatin1(name)))
        c->setEditText(text);
    else
        qFatal("no field %s", name);
}

// Chooses an option button; an empty name chooses nothing.
inline void choose(QWidget& w, const char* option)
{
    if (!option || !*option)
        return;
    auto* b = w.findChild<QRadioButton*>(QString::fromLatin1(option));
    if (!b)
        qFatal("no option %s", option);
    b->setChecked(true);
}

// "名字打分", then the name-test panel: names, sex and calendar options, date and hour.
inline void fillNameTest(xingming::app::zyIndexForm& w, const QString& surname, const QString& given, const char* sex,
                         const char* calendar, const QStringList& date)
{
    w.dhtbarButtonClick(2);
    setField(w, "Text1", surname);
    setField(w, "Text2", given);
    choose(w, sex);
    choose(w, calendar);
    const char* const lists[] = {"pxznc", "pxzyc", "pxzrc", "pxzsc"};
    for (int i = 0; i < 4; ++i)
        setField(w, lists[i], date.value(i));
}

// The naming panel: surname, sex and calendar options, date and hour.
inline void fillNaming(xingming::app::zyIndexForm& w, const QString& surname, const char* sex, const char* calendar,
                       const QStringList& date)
{
    setField(w, "Text9", surname);
    choose(w, sex);
    choose(w, calendar);
    const char* const lists[] = {"Combo20", "Combo21", "Combo22", "Combo23"};
    for (int i = 0; i < 4; ++i)
        setField(w, lists[i], date.value(i));
}

// 1990-5-17, hour 18: the date of the worked example.
inline QStringList exampleDate()
{
    return {QStringLiteral("1990"), QStringLiteral("5"), QStringLiteral("17"), QStringLiteral("18")};
}

// The worked example on the name-test panel: 李明, male, solar 1990-5-17, hour 18.
inline void fillWorkedExample(xingming::app::zyIndexForm& w)
{
    fillNameTest(w, QStringLiteral("李"), QStringLiteral("明"), "Option1", "Option13", exampleDate());
}
