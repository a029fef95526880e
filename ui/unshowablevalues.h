#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

// One field whose value, as read from a board or a file, its control cannot
// hold: the control shows something else. Writing the record sends the value
// read back unless the user changed the control.
struct UnshowableValue {
    QPointer<QWidget> control;
    QString caption;  // where the user finds the control, e.g. "Effects › Axis 0 › Motion range"
    QString readValue;
    QString sentValue;  // what the control shows, and sends once changed
};

// Finds and marks the fields of a record that the form cannot show: a number beyond its control's
// range, a code with no row in its combo box, a flag byte other than the two the check box writes.
// The form is compared with itself: load a record, build it back, and every
// field whose text differs between the two is one the form could not hold.
class UnshowableValues
{
    Q_DECLARE_TR_FUNCTIONS(UnshowableValues)

public:
    // A record field as shown by one control; `text` renders the field's
    // value from a record (a number, or a code's number).
    template <typename Record> struct Field {
        QWidget *control;
        std::function<QString(const Record &)> text;
    };

    template <typename Record>
    static QList<UnshowableValue> find(const QList<Field<Record>> &fields, const Record &read,
                                       const Record &sent)
    {
        QList<UnshowableValue> found;
        for (const Field<Record> &field : fields) {
            const QString readText = field.text(read);
            const QString sentText = field.text(sent);
            if (readText != sentText)
                found.append({field.control, caption(field.control), readText, sentText});
        }
        return found;
    }

    // Marks exactly the controls in `values` among `controls` (a frame and a
    // tooltip naming both values) and unmarks the others.
    static void mark(const QList<QWidget *> &controls, const QList<UnshowableValue> &values);

    template <typename Record>
    static QList<QWidget *> controlsOf(const QList<Field<Record>> &fields)
    {
        QList<QWidget *> controls;
        for (const Field<Record> &field : fields)
            controls.append(field.control);
        return controls;
    }

    static bool isMarked(const QWidget *control);

    // One line per value, "caption: read → sent"; empty for none.
    static QString listing(const QList<UnshowableValue> &values);
    // The page's notice: the values the form cannot show, kept on a write.
    static QString notice(const QList<UnshowableValue> &values);

    // The control's place in the window from the tab titles above it and the
    // label of its row (and column, in a table of controls).
    static QString caption(const QWidget *control);
};
