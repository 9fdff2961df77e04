#include "app/pet_window.h"

int main() { return tibbo::programStart(); }
