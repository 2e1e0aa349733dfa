#include "app/ServiziQt.h"
#include "app/base/Contesto.h"
#include "app/frmSpalsh.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication applicazione(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tormavellino"));
    QApplication::setApplicationVersion(QStringLiteral(TORMAVELLINO_VERSIONE));

    StatoCondiviso stato;
    ServiziQt servizi;
    Contesto contesto{stato, servizi.servizi()};

    frmSpalsh avvio(contesto);
    avvio.show();
    return QApplication::exec();
}
