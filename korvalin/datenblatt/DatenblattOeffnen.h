#pragma once
// The data sheets that the client's commands open. A sheet whose kind is
// ready is made, set up and shown here; for the others the command keeps its
// "not available" answer.
class TWindow;
class korpusMDIClient;

// The new sheet window of a client command (CM_MASSENERMITTLUNG ...), or
// null when that sheet is not part of the program yet. The caller has
// checked the command's preconditions and that no such sheet is open.
TWindow* DatenblattOeffnen(int befehl, korpusMDIClient& client);
