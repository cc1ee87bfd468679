#pragma once

#include <map>
#include <string>

#include "support/MainFormRig.h"

class ModelWorld;

// What must hold after every event: each record at the position its id names; the notification
// area holding exactly the shown records, with their tips and pictures; each list box line for
// line with its list; the drive mask holding exactly the letters that have an entry or wait for
// one; one live icon per picture the records show, at the system's size; no box, dialog or menu
// opened inside itself. Empty when all holds, else what broke.
std::string CheckInvariants(const ModelWorld& world);

// A fresh program loading the settings file just written has the same lists, names and options.
std::string CheckLoadsBack(MainFormRig& rig);

// The program just started has the lists, names and options of a fresh one started on the same
// machine with `plainText` as its settings file, read at once and with CR LF line ends.
std::string CheckReadAsPlain(MainFormRig& rig, const std::string& plainText);

// The identities the shell has held for our icons during a run, and the entries they stood for.
struct IdentityBook {
    std::map<std::string, Guid> OfEntry;
    std::map<Guid, std::string> EntryOf;
    // The shell refused an add that carried one: that entry may go without from then on.
    bool Refused = false;
};

// Each entry keeps one identity wherever it moves, and no two entries share one: an entry is its
// group, its key (a drive's letter, a path and its parameters) and how many entries of that key
// come before it in its list. From Windows 7 on, every icon has one, unless the shell refused it.
std::string CheckIdentities(const MainFormRig& rig, IdentityBook& book);
