#pragma once
// Resource identifiers of Plinden.dll. The player's toolbar button names the
// icon as "Plinden.dll,110".

#define IDS_PROJNAME 100
#define IDR_RADIOSEHELPER 102
#define IDI_PLINDEN 110
