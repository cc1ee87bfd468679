#pragma once

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
