#include "data/ModelloLista.h"

namespace {
constexpr int RigheBlocco = 512;
}

ModelloLista::ModelloLista(QObject* parent) : QAbstractTableModel(parent) {}

void ModelloLista::carica(Database& db, const QString& sql, const QVariantList& valori)
{
    beginResetModel();
    m_righe.clear();
    m_query.reset();
    Istruzione query = db.prepara(sql);
    query.lega(valori);
    m_nomi.clear();
    for (int i = 0; i < query.numeroColonne(); ++i) m_nomi << query.nomeColonna(i);
    m_titoli = m_nomi;
    m_query.emplace(std::move(query));
    try {
        m_righe = leggiBlocco(RigheBlocco);
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

void ModelloLista::svuota()
{
    beginResetModel();
    m_query.reset();
    m_righe.clear();
    m_nomi.clear();
    m_titoli.clear();
    endResetModel();
}

QVector<QVector<QVariant>> ModelloLista::leggiBlocco(int quante)
{
    QVector<QVector<QVariant>> righe;
    for (int letta = 0; m_query && letta < quante; ++letta) {
        if (!m_query->avanza()) {
            m_query.reset();
            break;
        }
        QVector<QVariant> riga;
        riga.reserve(m_nomi.size());
        for (int c = 0; c < m_nomi.size(); ++c) riga.append(m_query->valore(c));
        righe.append(std::move(riga));
    }
    return righe;
}

void ModelloLista::caricaTutto()
{
    while (canFetchMore(QModelIndex())) fetchMore(QModelIndex());
}

int ModelloLista::colonna(const QString& nome) const
{
    for (int i = 0; i < m_nomi.size(); ++i) {
        if (m_nomi.at(i).compare(nome, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QString ModelloLista::nomeColonna(int colonna) const
{
    return m_nomi.value(colonna);
}

void ModelloLista::impostaTitolo(const QString& nomeColonna, const QString& titolo)
{
    const int c = colonna(nomeColonna);
    if (c < 0) return;
    m_titoli[c] = titolo;
    Q_EMIT headerDataChanged(Qt::Horizontal, c, c);
}

QString ModelloLista::testo(int riga, int colonna) const
{
    if (riga < 0 || riga >= m_righe.size() || colonna < 0 || colonna >= m_nomi.size()) return QString();
    const QVariant& v = m_righe.at(riga).at(colonna);
    return v.isNull() ? QString() : v.toString();
}

QString ModelloLista::testo(int riga, const QString& nomeColonna) const
{
    return testo(riga, colonna(nomeColonna));
}

int ModelloLista::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_righe.size());
}

int ModelloLista::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_nomi.size());
}

QVariant ModelloLista::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return testo(index.row(), index.column());
}

QVariant ModelloLista::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return m_titoli.value(section);
    return section + 1;
}

bool ModelloLista::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_query.has_value();
}

void ModelloLista::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent)) return;
    const int prima = static_cast<int>(m_righe.size());
    const QVector<QVector<QVariant>> nuove = leggiBlocco(RigheBlocco);
    if (nuove.isEmpty()) return;
    beginInsertRows(QModelIndex(), prima, prima + static_cast<int>(nuove.size()) - 1);
    m_righe.append(nuove);
    endInsertRows();
}
