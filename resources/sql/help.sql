-- Help topics, one or more per window key, shown in this order.

INSERT INTO HELP (nome, TITOLO, Descrizione) VALUES
('frmInizializza', 'Dati della distilleria',
 'In questa finestra si inseriscono i dati della distilleria che presenta le domande: codice fiscale o partita IVA, ragione sociale e indirizzo della sede legale. Tutti e tre i campi sono obbligatori. Una partita IVA (11 cifre) o un codice fiscale (16 caratteri) vengono controllati prima del salvataggio. I dati compaiono in ogni fornitura su dischetto e in ogni stampa.'),
('frmInizializza', 'Pulsanti',
 'Salva registra i dati; la finestra resta aperta e si possono correggere e salvare di nuovo. Esci chiude la finestra: finché la distilleria non è stata salvata, Esci chiude il programma, perché senza distilleria non si può lavorare. Help (o il tasto F1) mostra questa guida.'),

('frmCambioDomanda', 'Cambio del numero della domanda',
 'La finestra mostra il numero attuale della domanda scelta e permette di scriverne uno nuovo. Il nuovo numero deve essere di 11 cifre e non deve appartenere a un''altra domanda. Dopo il cambio la domanda va stampata e scaricata di nuovo, perché i flag di stampa e di scarico tornano a N.'),

('frmCambioUTF', 'Cambio del numero del certificato UTF',
 'La finestra mostra il numero attuale del certificato UTF scelto e permette di scriverne uno nuovo, che non deve appartenere a un altro certificato. Dopo il cambio la domanda del produttore va stampata e scaricata di nuovo, perché i flag di stampa e di scarico tornano a N.'),

('FRMSELEZIONE_SELFAT', 'Elenco',
 'L''elenco mostra le righe legate alla domanda o al certificato scelto: le fatture della domanda del distillatore, con i loro totali, oppure i produttori da associare al certificato UTF. Selezionare una riga e usare i pulsanti per inserire, modificare o eliminare; eliminando una fattura si eliminano anche le sue bolle.'),

('FRMDOMANDA_INS', 'Nuova domanda',
 'Inserire la campagna, il numero della domanda (11 cifre), il progressivo di versamento (2 cifre), l''articolo del regolamento e, per il distillatore, il prodotto ottenuto. Salva registra la domanda con i flag di stampa e di scarico a N. I campi obbligatori mancanti o errati vengono segnalati uno alla volta.'),

('FRMDOMANDA_MOD', 'Modifica della domanda',
 'Si correggono i dati della domanda scelta nell''elenco. Salva registra le modifiche e riporta a N i flag di stampa e di scarico: la domanda va quindi stampata di nuovo prima di poterla scaricare su dischetto.'),

('FRMFATTURA_INS', 'Nuova fattura o nuovo produttore',
 'Inserire i dati del venditore o del produttore (codice fiscale o partita IVA, denominazione), le date, le quantità con quattro decimali e gli importi con due decimali, separati dalla virgola. Il programma controlla codici, date e importi prima di salvare. Dopo il salvataggio la domanda va stampata e scaricata di nuovo.'),

('FRMFATTURA_MOD', 'Modifica della fattura o del produttore',
 'Si correggono i dati della fattura o del produttore scelto nell''elenco, con gli stessi controlli dell''inserimento. Dalla fattura il pulsante Bolle apre le bolle di accompagnamento, le cui quantità non possono superare la quantità distillata della fattura. Salvando, i flag di stampa e di scarico della domanda tornano a N.'),

('frmProduttore_Utf_INS', 'Nuovo certificato UTF',
 'Inserire il numero del certificato rilasciato dall''Ufficio Tecnico di Finanza, l''ufficio e la sua provincia, la data di emissione e i totali del vino lavorato e dei prodotti ottenuti. Le quantità si scrivono con la virgola e quattro decimali. Salvando, i flag di stampa e di scarico della domanda tornano a N.'),

('frmProduttore_Utf_MOD', 'Modifica del certificato UTF',
 'Si correggono i dati del certificato UTF scelto, con gli stessi controlli dell''inserimento. I totali del certificato devono corrispondere alla somma dei produttori associati, altrimenti lo scarico della domanda del produttore segnala la differenza. Salvando, i flag di stampa e di scarico tornano a N.'),

('FRMSELEZIONE_DOMA', 'Elenco delle domande',
 'L''elenco mostra le domande registrate. Si possono filtrare per numero, per campagna e per i flag di stampa e di scarico. Nuovo apre l''inserimento di una domanda, Seleziona apre la domanda scelta per modificarla, Elimina cancella le domande selezionate.'),

('FRMSELEZIONE_FATTU', 'Fatture della domanda',
 'Scegliere nell''elenco la domanda di cui si vogliono vedere o inserire le fatture e premere Seleziona: si apre l''elenco delle fatture di quella domanda, da cui si inseriscono, modificano o eliminano le fatture e le loro bolle.'),

('FRMSELEZIONE_CAMBIO', 'Cambio del numero',
 'Scegliere nell''elenco la domanda o il certificato di cui si vuole cambiare il numero e premere Seleziona: si apre la finestra del cambio numero. Il nuovo numero viene controllato prima di essere registrato.'),

('FRMSELEZIONE_STAMPA', 'Stampe',
 'Scegliere nell''elenco la domanda da stampare e premere il pulsante della stampa voluta. La stampa si apre in anteprima e da lì si manda alla stampante. Una domanda stampata riceve il flag di stampa S ed è poi disponibile per lo scarico su dischetto.'),

('frmScarico', 'Scarico della domanda',
 'Sono elencate le domande già stampate. Scegliere la domanda e premere Scarico: il programma controlla che le quantità lavorate di ogni fattura corrispondano alla somma delle sue bolle, chiede la cartella o il dischetto di destinazione e scrive il file di fornitura. La domanda riceve il flag di scarico S.'),

('Frmproduttore_Domanda', 'Domande dei produttori',
 'L''elenco mostra le domande gestite per i produttori, con i loro certificati UTF. Si possono filtrare per numero, campagna e flag. Dalla domanda scelta si inseriscono o modificano i certificati UTF e, per ogni certificato, i produttori con il calcolo degli ettogradi, dei prodotti ottenuti e dell''aiuto.'),

('frmProduttori_Scarico', 'Scarico della domanda del produttore',
 'Sono elencate le domande dei produttori già stampate. Prima di scrivere il file il programma confronta i totali di ogni certificato UTF con la somma dei suoi produttori e segnala le differenze. Poi chiede la destinazione, scrive il file di fornitura e assegna alla domanda il flag di scarico S.'),

('frmAbout', 'Informazioni sul programma',
 'La finestra mostra la versione del programma, la data della versione del database e la descrizione del programma. Il pulsante System Info avvia, se presente sul computer, il programma delle informazioni di sistema. OK chiude la finestra.');
