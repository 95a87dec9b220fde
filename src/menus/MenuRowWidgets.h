#pragma once
// The labels and value fields of the menu rows, kept under the same index as their
// records in MenuRows. A field is only touched when its text or colour changes, so a
// refresh of all rows after every reply costs little.

#include <QColor>
#include <array>
#include <string>

#include "menus/MenuRows.h"

class QLabel;
class QLineEdit;
class QObject;
class TPageControl;

class MenuRowWidgets {
public:
    // Creates a label and a value field for every used record; `enterFilter` watches
    // the fields for the focus (the editor opens on entering a field).
    void Build(const MenuRowTable& rows, TPageControl& pages, QObject* enterFilter);

    // Shows `view` in the field of record `index`; nothing for a free record.
    void Show(int index, const FieldView& view);

    QLineEdit* Field(int index) const;
    // The first record whose field is `field`, or -1.
    int IndexOfField(const QObject* field) const;
    // The field's background: aqua while open in the editor, the window colour else.
    static void Highlight(QLineEdit* field, bool on);

private:
    struct Widgets {
        QLabel* label = nullptr;
        QLineEdit* field = nullptr;
        std::string text;   // as shown; compared before touching the widget
        Rgb colour{};
        bool shown = false;
    };
    std::array<Widgets, MenuRowCapacity> widgets_{};
};
