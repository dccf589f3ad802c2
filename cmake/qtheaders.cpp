// SPDX-License-Identifier: GPL-3.0-or-later
// The one source of the library that carries the precompiled Qt headers; it
// has nothing of its own.
