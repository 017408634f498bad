// SPDX-License-Identifier: MIT

#pragma once

// Settles the environment every path of the user's files is taken from, before anything asks
// for one: without HOME (a service, `env -u HOME`, su without -l) the account's home from the
// password database, rather than "/" which would put the files in /.config; a relative
// XDG_CONFIG_HOME, XDG_CACHE_HOME or XDG_DATA_HOME is dropped (XDG allows only absolute ones),
// so the defaults under the home apply instead of a folder that depends on where the program
// was started.
void SettleUserPaths();
