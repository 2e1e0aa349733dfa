#pragma once

#include "data/Database.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

#include <optional>

// The rows of one query, for a list view. Rows are read in batches as the view asks for them,
// so a long list opens at once; column captions are set per list.
class ModelloLista : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ModelloLista(QObject* parent = nullptr);

    // Runs the query and shows its first rows; the previous rows are dropped.
    void carica(Database& db, const QString& sql, const QVariantList& valori = {});
    void svuota();
    // Reads every remaining row.
    void caricaTutto();

    int colonna(const QString& nome) const;  // case-insensitive, -1 when absent
    QString nomeColonna(int colonna) const;
    void impostaTitolo(const QString& nomeColonna, const QString& titolo);
    // The row's column as text (null reads as "").
    QString testo(int riga, const QString& nomeColonna) const;
    QString testo(int riga, int colonna) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    QVector<QVector<QVariant>> leggiBlocco(int quante);

    std::optional<Istruzione> m_query;
    QStringList m_nomi;
    QStringList m_titoli;
    QVector<QVector<QVariant>> m_righe;
};
