#pragma once

class QTabWidget;

// Screen readers say the page stack of a tab control when the focus enters
// one of its pages; unnamed, only its role ("layered pane") is heard. Named
// after the page shown, it says where the pupil is. Call once the captions
// are set; the name follows the current page from then on.
void Seitenstapel_benennen(QTabWidget *Reiter);
