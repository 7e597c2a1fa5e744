#pragma once
// Where the settings file "Stammpfad.ini" and the default master-data folder
// lie: beside the program when a file can be created there, else in the
// user's configuration folder (the settings) and data folder (the records).

#include <QString>
#include <string>

namespace lx {

struct StammOrte {
    std::string einstellungsDatei;  // full path of "Stammpfad.ini"
    std::string stammOrdner;        // the master-data folder when the settings name none
};

// True when a temporary file can be created in the folder (made first when missing).
bool kannDateiAnlegen(const QString& ordner);

StammOrte waehleStammOrte(const QString& programmOrdner);

}  // namespace lx
