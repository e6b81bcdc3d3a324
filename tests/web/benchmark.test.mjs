// What the page costs a player, measured and reported; the times are not
// judged here, as they follow the machine the test runs on.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { withBrowser, play, paste } from './browserKit.mjs';

const FIRST_VISIT_LIMIT = 400 * 1024;
const COMMANDS = ['look', 'time', 'stats', 'inventory', 'go north', 'go south', 'listen', 'help'];

// The bytes the page fetches, sounds aside.
function countBytes(client) {
  const urls = new Map();
  const counted = { bytes: 0 };
  client.on('Network.responseReceived', (event) => urls.set(event.requestId, event.response.url));
  client.on('Network.loadingFinished', (event) => {
    if (!/\/sound\//.test(urls.get(event.requestId))) counted.bytes += event.encodedDataLength;
  });
  return counted;
}

// The page's script heap and nodes after a collection, and the game's own
// memory (the WebAssembly core's, outside that heap).
async function memory(client, page) {
  await client.send('HeapProfiler.collectGarbage');
  const { metrics } = await client.send('Performance.getMetrics');
  const metric = (name) => metrics.find((m) => m.name === name).value;
  const core = await page.evaluate(() => window.lanternmoor.core.memory());
  return { heap: metric('JSHeapUsedSize'), nodes: metric('Nodes'), core };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const megabytes = (bytes) => `${(bytes / 1048576).toFixed(1)} MB`;

test('speed and size of the page', async (t) => {
  await withBrowser({ viewport: { width: 1000, height: 700 } }, async ({ context, address }) => {
    const page = context.pages()[0] || await context.newPage();
    const client = await context.newCDPSession(page);
    await client.send('Network.enable');
    await client.send('Performance.enable');
    const firstVisit = countBytes(client);
    await client.send('Emulation.setCPUThrottlingRate', { rate: 4 });
    await page.goto(address);
    // Looked for ten times a second, not every frame, so that looking costs
    // the slowed page little.
    await page.waitForFunction(() => window.lanternmoor && window.lanternmoor.titleShownAt, null, { polling: 100 });
    const titleAt = await page.evaluate(() => window.lanternmoor.titleShownAt);
    // The main thread's own work, which other programs on the machine do not
    // lengthen as they lengthen the time on the clock.
    const busy = (await client.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
    t.diagnostic(`first visit: ${Math.round(firstVisit.bytes / 1024)} KB, sounds aside`);
    t.diagnostic(`title shown ${Math.round(titleAt)} ms after the page was opened, CPU slowed 4x ` +
      `(the page's main thread busy ${Math.round(busy * 1000)} ms of it)`);
    assert.ok(firstVisit.bytes <= FIRST_VISIT_LIMIT, `${firstVisit.bytes} bytes`);

    await play(page, '1', 'What is your name');
    await play(page, 'Bench', 'Are you man or woman?');
    await play(page, 'm', 'Welcome to Lanternmoor, Bench!');
    await page.evaluate(() => { window.lanternmoor.commandLine.replyTimes.length = 0; });
    for (let round = 0; round < 3; round++) {
      for (const command of COMMANDS) await play(page, command, `--> ${command}\n`);
    }
    await page.waitForFunction((n) => window.lanternmoor.commandLine.replyTimes.length >= n, COMMANDS.length * 3);
    const replies = await page.evaluate(() => window.lanternmoor.commandLine.replyTimes);
    t.diagnostic(`each command answered and shown, CPU slowed 4x: median ${median(replies).toFixed(1)} ms, ` +
      `slowest ${Math.max(...replies).toFixed(1)} ms over ${replies.length} commands`);
    await client.send('Emulation.setCPUThrottlingRate', { rate: 1 });

    // 10,000 commands, pasted a thousand at a time.
    const taken = () => page.evaluate(() => window.lanternmoor.commandLine.answered);
    const start = await taken();
    const samples = [];
    for (let done = 1000; done <= 10000; done += 1000) {
      const lines = Array.from({ length: 1000 }, (_, i) => COMMANDS[i % 4]);
      await paste(page, lines.join('\n') + '\n');
      await page.waitForFunction((n) => window.lanternmoor.commandLine.answered >= n, start + done,
        { timeout: 120000, polling: 200 });
      if (done % 2000 === 0) samples.push({ done, ...await memory(client, page) });
    }
    t.diagnostic(`memory over 10,000 commands: ${samples.map(({ done, heap, nodes, core }) =>
      `${done}: ${megabytes(heap)} heap, ${nodes} nodes, ${megabytes(core)} core`).join('; ')}`);
    const [early, last] = [samples[0], samples[samples.length - 1]];
    assert.ok(last.nodes < early.nodes * 1.5, 'the page keeps a bounded story');
    assert.ok(last.heap < early.heap * 1.5, 'the page keeps a bounded heap');
    assert.equal(last.core, early.core, 'the game\'s memory does not grow');
  });
});
