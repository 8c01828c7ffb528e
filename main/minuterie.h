#pragma once

// The match's heartbeat: a GLUT timer callback that re-arms itself for one second later.
void minuterie(int valeur);
