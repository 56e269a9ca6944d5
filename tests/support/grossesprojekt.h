#pragma once

class ProjektBaum;

// The largest project the program allows: 15 floors of 20 rooms with 30 heating surfaces each,
// in the stage "Ausführungsplanung", so that the project inputs run to about 300 pages.
namespace GrossesProjekt {
void erstelle(ProjektBaum& baum);
}
