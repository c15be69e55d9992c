// The help navigator; it needs the help viewer's link library.
int main() { return 0; }
