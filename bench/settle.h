#pragma once

// Lets the window finish what a change left queued (layout, painting), as it
// does between two user actions. Each platform has its own.
void settle();
