#pragma once

// Gives the memory the program has freed back to the system: what start-up decoded and laid
// out only once stays in the allocator's pages otherwise, counted against the program for as
// long as it runs. Costs a walk over the allocator's free lists; call it once things settle.
void ReturnFreedMemory();
