// The editor's solver, off the page's thread: the floor tools' own search in
// quorrel-editor.js, telling the page how far it got as it goes. The page
// stops it by ending the Worker.
'use strict';
importScripts('quorrel-editor.js');

onmessage = async (event) => {
  const { source, budget } = event.data;
  try {
    const m = await QuorrelEditor();
    m.onSolveProgress = (searched) => postMessage({ progress: searched });
    const opened = JSON.parse(m.ccall('qe_open', 'string', ['string'], [source]));
    if (!opened.ok) throw new Error('line ' + opened.line + ': ' + opened.error);
    const result = JSON.parse(m.ccall('qe_solve', 'string', ['number'], [budget]));
    postMessage({ result, source: m.ccall('qe_source', 'string', [], []) });
  } catch (error) {
    postMessage({ error: String(error && error.message ? error.message : error) });
  }
};
