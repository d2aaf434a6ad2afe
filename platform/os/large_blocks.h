// Large blocks of memory for stores that fill them at once (a grid's cells).  A block of 2 MiB or
// more is aligned to 2 MiB and offered to the kernel for huge pages, so filling it takes a few
// page faults instead of one per 4 KiB page (each fault costs microseconds, more under a
// hypervisor).  Where the kernel keeps huge pages off the block is an ordinary one.
#pragma once

#include <cstddef>

// Never null; throws std::bad_alloc when memory is short.  Free with FreeLargeBlock.
void* AllocateLargeBlock(std::size_t Bytes);
void FreeLargeBlock(void* Block) noexcept;
