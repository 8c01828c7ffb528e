#pragma once

// Mesa's software renderer takes the working memory of each frame afresh and gives it back once
// the frame is drawn; glibc would return the top of the heap to the system each time and fault
// it in again, page by page, in the next frame, which cost a frame of a new game at 500 x 500
// a millisecond of CPU. Called once at start-up, before any window, it keeps that memory in the
// process.
void garderMemoireImages();
