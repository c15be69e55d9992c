#pragma once
// Commands whose windows and dialogs are not part of the program yet (data
// sheets, catalogue editors, project dialogs): the
// client and the application hand them here. The default tells the user in
// plain words that the command is not available yet.
#include <string>
#include <string_view>

class AusstehendeBefehle {
public:
    virtual ~AusstehendeBefehle() = default;
    virtual void Ausfuehren(int befehl);
};

// The message the default shows, naming the command by its menu text.
std::string NochNichtVerfuegbarText(int befehl);
