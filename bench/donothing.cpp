// A static program that does nothing: the floor for the time of any process, to measure
// merovane-convert's start-up against in the same run.
int main() {
  return 0;
}
