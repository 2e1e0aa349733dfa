#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace Md_FunzioniGenerali {

// What a key filter sees of the field: the text, the caret (the start of the selection when
// there is one, 0 before the first character) and the maximum length (0: no limit).
struct StatoCampo {
    QString testo;
    qsizetype cursore = 0;
    int lunghezzaMassima = 0;
};

// What happens to one key press.
struct EsitoTasto {
    int tasto = 0;                 // the character inserted; 0: nothing is inserted
    bool beep = false;
    std::optional<QString> testo;  // the field's whole new text
    bool cursoreAllaFine = false;  // the caret goes after the last character; else a new text puts it at 0
    bool campoSuccessivo = false;  // the focus moves on as with Tab
    int tastoSeguente = 0;         // a key typed right after this one, through the same filters
};

inline constexpr int TastoBackspace = 8;
inline constexpr int TastoInvio = 13;

EsitoTasto Keypress_Testo(const StatoCampo& campo, int tasto);
EsitoTasto Keypress_Upper(const StatoCampo& campo, int tasto);
EsitoTasto Keypress_Integer(const StatoCampo& campo, int tasto);
// For a field that holds dd/mm/yyyy.
EsitoTasto Keypress_Data(const StatoCampo& campo, int tasto);
EsitoTasto Keypress_Decimali(const StatoCampo& campo, int tasto, int decimali);
EsitoTasto Keypress_Decimale(const StatoCampo& campo, int tasto);

using FiltroTasto = std::function<EsitoTasto(const StatoCampo&, int)>;
// The filters of one field in order, each on the key the one before it left; a dropped key
// goes no further.
EsitoTasto ApplicaFiltri(const std::vector<FiltroTasto>& filtri, const StatoCampo& campo, int tasto);

}  // namespace Md_FunzioniGenerali
