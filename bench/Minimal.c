/* The floor of a start-up: a dynamically linked C program that does nothing. */
int main(void) { return 0; }
