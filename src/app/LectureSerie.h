#pragma once

namespace tarvo {

class Programme;

// Browsing re-reads the file: refused, with the program's message, while a change is not
// saved.
bool PeutChangerDeSerie(Programme& p);

// Reads series `serie` of the document's file into memory, the file holding `nombreSeries`
// series. The document in memory is kept as it was when the read fails (file deleted or
// damaged: the reader's message) or finds a file that no longer holds that series (changed on
// disk since it was opened: a warning): nothing in memory is lost. True when read.
bool LitSerie(Programme& p, int serie, int nombreSeries);

} // namespace tarvo
