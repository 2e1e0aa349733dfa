#pragma once

#include <QWidget>

#include <array>

class QLabel;
struct Contesto;

// The start-up window: runs the start-up checks when first shown, then waits for a click on
// one of its labels and hands over to the main window.
class frmSpalsh : public QWidget {
    Q_OBJECT

public:
    explicit frmSpalsh(Contesto& contesto, QWidget* parent = nullptr);

    QLabel* etichetta(int indice) const { return m_lblEtichette.at(static_cast<size_t>(indice)); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* oggetto, QEvent* event) override;

private:
    void eseguiControlli();

    Contesto& m_contesto;
    std::array<QLabel*, 4> m_lblEtichette{};
    bool m_controlliAvviati = false;
    bool m_pronto = false;
};
