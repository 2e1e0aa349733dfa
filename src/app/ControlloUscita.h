#pragma once

#include <QHash>
#include <QObject>

#include <functional>

class QWidget;

// The checks a field runs when the user leaves it for another control of the window. A check that
// fails brings the focus back to the field, and the click that took the focus away is not acted on.
class ControlloUscita : public QObject {
    Q_OBJECT

public:
    // Answers true when the field may be left.
    using Controllo = std::function<bool()>;

    explicit ControlloUscita(QObject* parent) : QObject(parent) {}

    void sorveglia(QWidget* campo, Controllo controllo);
    // True, once, when the last check failed: the button just clicked does nothing.
    bool consumaRifiuto();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QHash<QObject*, Controllo> m_controlli;
    bool m_rifiuto = false;
};
