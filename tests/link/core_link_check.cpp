// Linked with every object of the logic library and Qt Core alone: a call from the logic into
// a window class, Qt Gui or Qt Widgets fails this link.
int main() {
    return 0;
}
