#ifndef PARAMTABLEGOLDEN_H
#define PARAMTABLEGOLDEN_H

// Every parameter as the host and the editor see it at its default:
// index|name|label|display|type min..max/step|display texts

const char kParamTableGolden[] = R"(
0|Gate||0|double -100..100/1|
1|Hold||0|int 0..1/1|
2|Step rate||1/8|enum 0..7/1|1,1/2,1/4,1/8,1/16,1/32,1/64,1/128
3|Step rate type||Normal|enum 0..2/1|Normal,Triplet,Dotted
4|Direction||Up|enum 0..3/1|Up,Down,Up Alt,Down Alt
5|Sort order||Lo-Hi|enum 0..4/1|Lo-Hi,Hi-Lo,As played,Reversed,Custom
6|Swing||0.00|double 0..1/0.01|
7|Octaves||1|int 1..5/1|
8|Transpose||0|int -12..12/1|
9|Velocity mode||Note|enum 0..3/1|Note,First,Last,Average
10|Reset on new note||0|int 0..1/1|
11|Reset note list on pattern reset||0|int 0..1/1|
12|Reset on beat (on/off)||0|int 0..1/1|
13|Reset on beat value||1|int 1..16/1|
14|Step on/off 1||1|int 0..1/1|
15|Step on/off 2||1|int 0..1/1|
16|Step on/off 3||1|int 0..1/1|
17|Step on/off 4||1|int 0..1/1|
18|Step on/off 5||1|int 0..1/1|
19|Step on/off 6||1|int 0..1/1|
20|Step on/off 7||1|int 0..1/1|
21|Step on/off 8||1|int 0..1/1|
22|Step on/off 9||1|int 0..1/1|
23|Step on/off 10||1|int 0..1/1|
24|Step on/off 11||1|int 0..1/1|
25|Step on/off 12||1|int 0..1/1|
26|Step on/off 13||1|int 0..1/1|
27|Step on/off 14||1|int 0..1/1|
28|Step on/off 15||1|int 0..1/1|
29|Step on/off 16||1|int 0..1/1|
30|Pattern steps||16|int 1..16/1|
31|||0|none 0..1/1|
32|||0|none 0..1/1|
33|||0|none 0..1/1|
34|||0|none 0..1/1|
35|||0|none 0..1/1|
36|||0|none 0..1/1|
37|||0|none 0..1/1|
38|||0|none 0..1/1|
39|||0|none 0..1/1|
40|||0|none 0..1/1|
41|||0|none 0..1/1|
42|||0|none 0..1/1|
43|||0|none 0..1/1|
44|||0|none 0..1/1|
45|||0|none 0..1/1|
46|Pattern on/off||1|int 0..1/1|
47|Custom sort order||*|enum 0..9/1|*,1,2,3,4,5,6,7,R,S
48|Custom sort order||*|enum 0..9/1|*,1,2,3,4,5,6,7,R,S
49|Custom sort order||*|enum 0..9/1|*,1,2,3,4,5,6,7,R,S
50|Custom sort order||*|enum 0..9/1|*,1,2,3,4,5,6,7,R,S
51|Custom sort order||*|enum 0..9/1|*,1,2,3,4,5,6,7,R,S
52|Custom sort order||*|enum 0..9/1|*,1,2,3,4,5,6,7,R,S
53|Custom sort order||*|enum 0..9/1|*,1,2,3,4,5,6,7,R,S
54|Custom sort order||*|enum 0..9/1|*,1,2,3,4,5,6,7,R,S
55|Scale||Off|enum 0..40/1|Off,Major,Minor,Melodic Minor,Harmonic Minor,Minor Pentatonic,Major Pentatonic,Blues Pentatonic,Neut. Pentatonic,Dim Half,Dim Whole,Whole,Augmented,Chromatic,Roumanian Minor,Spanish Gypsy ,Blues,Diatonic,Double Harmonic ,Eight Tone Spanish ,Enigmatic,Leading Whole Tone ,Lydian Augmented ,Neoploitan Major,Neopolitan Minor ,Pelog,Prometheus,Promet. Neop.,Six Tone Sym.,Super Locrian,Lydian Minor,Lydian Dim,Nine Tone Scale,Aux Dim,Aux Augmented,Aux Dim Blues,Major Locrian,Overtone,Dim Whole Tone ,Pure Minor,Dominant 7th
56|Scale key ||C|enum 0..11/1|C,C#,D,D#,E,F,F#,G,G#,A,A#,B
57|Scale mode||0|enum 0..11/1|0,1,2,3,4,5,6,7,8,9,10,11
58|||0|none 0..1/1|
59|||0|none 0..1/1|
60|||0|none 0..1/1|
61|||0|none 0..1/1|
62|Step length 1||1|int 1..8/1|
63|Step length 2||1|int 1..8/1|
64|Step length 3||1|int 1..8/1|
65|Step length 4||1|int 1..8/1|
66|Step length 5||1|int 1..8/1|
67|Step length 6||1|int 1..8/1|
68|Step length 7||1|int 1..8/1|
69|Step length 8||1|int 1..8/1|
70|Step length 9||1|int 1..8/1|
71|Step length 10||1|int 1..8/1|
72|Step length 11||1|int 1..8/1|
73|Step length 12||1|int 1..8/1|
74|Step length 13||1|int 1..8/1|
75|Step length 14||1|int 1..8/1|
76|Step length 15||1|int 1..8/1|
77|Step length 16||1|int 1..8/1|
78|Step gate 1||0|double -100..100/1|
79|Step gate 2||0|double -100..100/1|
80|Step gate 3||0|double -100..100/1|
81|Step gate 4||0|double -100..100/1|
82|Step gate 5||0|double -100..100/1|
83|Step gate 6||0|double -100..100/1|
84|Step gate 7||0|double -100..100/1|
85|Step gate 8||0|double -100..100/1|
86|Step gate 9||0|double -100..100/1|
87|Step gate 10||0|double -100..100/1|
88|Step gate 11||0|double -100..100/1|
89|Step gate 12||0|double -100..100/1|
90|Step gate 13||0|double -100..100/1|
91|Step gate 14||0|double -100..100/1|
92|Step gate 15||0|double -100..100/1|
93|Step gate 16||0|double -100..100/1|
94|Step accent 1||0|double -100..100/1|
95|Step accent 2||0|double -100..100/1|
96|Step accent 3||0|double -100..100/1|
97|Step accent 4||0|double -100..100/1|
98|Step accent 5||0|double -100..100/1|
99|Step accent 6||0|double -100..100/1|
100|Step accent 7||0|double -100..100/1|
101|Step accent 8||0|double -100..100/1|
102|Step accent 9||0|double -100..100/1|
103|Step accent 10||0|double -100..100/1|
104|Step accent 11||0|double -100..100/1|
105|Step accent 12||0|double -100..100/1|
106|Step accent 13||0|double -100..100/1|
107|Step accent 14||0|double -100..100/1|
108|Step accent 15||0|double -100..100/1|
109|Step accent 16||0|double -100..100/1|
110|Step transpose 1||0|int -24..24/1|
111|Step transpose 2||0|int -24..24/1|
112|Step transpose 3||0|int -24..24/1|
113|Step transpose 4||0|int -24..24/1|
114|Step transpose 5||0|int -24..24/1|
115|Step transpose 6||0|int -24..24/1|
116|Step transpose 7||0|int -24..24/1|
117|Step transpose 8||0|int -24..24/1|
118|Step transpose 9||0|int -24..24/1|
119|Step transpose 10||0|int -24..24/1|
120|Step transpose 11||0|int -24..24/1|
121|Step transpose 12||0|int -24..24/1|
122|Step transpose 13||0|int -24..24/1|
123|Step transpose 14||0|int -24..24/1|
124|Step transpose 15||0|int -24..24/1|
125|Step transpose 16||0|int -24..24/1|
126|Step div 1||0|int 0..7/1|
127|Step div 2||0|int 0..7/1|
128|Step div 3||0|int 0..7/1|
129|Step div 4||0|int 0..7/1|
130|Step div 5||0|int 0..7/1|
131|Step div 6||0|int 0..7/1|
132|Step div 7||0|int 0..7/1|
133|Step div 8||0|int 0..7/1|
134|Step div 9||0|int 0..7/1|
135|Step div 10||0|int 0..7/1|
136|Step div 11||0|int 0..7/1|
137|Step div 12||0|int 0..7/1|
138|Step div 13||0|int 0..7/1|
139|Step div 14||0|int 0..7/1|
140|Step div 15||0|int 0..7/1|
141|Step div 16||0|int 0..7/1|
142|Step shift 1||0.0|double -50..50/0.1|
143|Step shift 2||0.0|double -50..50/0.1|
144|Step shift 3||0.0|double -50..50/0.1|
145|Step shift 4||0.0|double -50..50/0.1|
146|Step shift 5||0.0|double -50..50/0.1|
147|Step shift 6||0.0|double -50..50/0.1|
148|Step shift 7||0.0|double -50..50/0.1|
149|Step shift 8||0.0|double -50..50/0.1|
150|Step shift 9||0.0|double -50..50/0.1|
151|Step shift 10||0.0|double -50..50/0.1|
152|Step shift 11||0.0|double -50..50/0.1|
153|Step shift 12||0.0|double -50..50/0.1|
154|Step shift 13||0.0|double -50..50/0.1|
155|Step shift 14||0.0|double -50..50/0.1|
156|Step shift 15||0.0|double -50..50/0.1|
157|Step shift 16||0.0|double -50..50/0.1|
158|Step data 1||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
159|Step data 2||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
160|Step data 3||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
161|Step data 4||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
162|Step data 5||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
163|Step data 6||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
164|Step data 7||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
165|Step data 8||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
166|Step data 9||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
167|Step data 10||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
168|Step data 11||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
169|Step data 12||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
170|Step data 13||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
171|Step data 14||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
172|Step data 15||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
173|Step data 16||Play|enum 0..8/1|Play,Off,Previous,First,Last,Highest,Lowest,Chord,Random
174|Step CC1 1||0|int 0..128/1|
175|Step CC1 2||0|int 0..128/1|
176|Step CC1 3||0|int 0..128/1|
177|Step CC1 4||0|int 0..128/1|
178|Step CC1 5||0|int 0..128/1|
179|Step CC1 6||0|int 0..128/1|
180|Step CC1 7||0|int 0..128/1|
181|Step CC1 8||0|int 0..128/1|
182|Step CC1 9||0|int 0..128/1|
183|Step CC1 10||0|int 0..128/1|
184|Step CC1 11||0|int 0..128/1|
185|Step CC1 12||0|int 0..128/1|
186|Step CC1 13||0|int 0..128/1|
187|Step CC1 14||0|int 0..128/1|
188|Step CC1 15||0|int 0..128/1|
189|Step CC1 16||0|int 0..128/1|
190|Step CC2 1||0|int 0..128/1|
191|Step CC2 2||0|int 0..128/1|
192|Step CC2 3||0|int 0..128/1|
193|Step CC2 4||0|int 0..128/1|
194|Step CC2 5||0|int 0..128/1|
195|Step CC2 6||0|int 0..128/1|
196|Step CC2 7||0|int 0..128/1|
197|Step CC2 8||0|int 0..128/1|
198|Step CC2 9||0|int 0..128/1|
199|Step CC2 10||0|int 0..128/1|
200|Step CC2 11||0|int 0..128/1|
201|Step CC2 12||0|int 0..128/1|
202|Step CC2 13||0|int 0..128/1|
203|Step CC2 14||0|int 0..128/1|
204|Step CC2 15||0|int 0..128/1|
205|Step CC2 16||0|int 0..128/1|
206|||0|none 0..1/1|
207|Pattern selection||Pattern 1|enum 0..0/1|Pattern 1
208|Scene selection||Scene 1|enum 0..0/1|Scene 1
209|||0|none 0..1/1|
210|Pattern||0|int 0..0/1|
211|Pattern||0|int 0..0/1|
212|Pattern||0|int 0..0/1|
213|Pattern||0|int 0..0/1|
214|Pattern||0|int 0..0/1|
215|Pattern||0|int 0..0/1|
216|Pattern||0|int 0..0/1|
217|Pattern||0|int 0..0/1|
218|Pattern||0|int 0..0/1|
219|Pattern||0|int 0..0/1|
220|Pattern||0|int 0..0/1|
221|Pattern||0|int 0..0/1|
222|Pattern||0|int 0..0/1|
223|Pattern||0|int 0..0/1|
224|Pattern||0|int 0..0/1|
225|Pattern||0|int 0..0/1|
226|Pattern||0|int 0..0/1|
227|Pattern||0|int 0..0/1|
228|Pattern||0|int 0..0/1|
229|Pattern||0|int 0..0/1|
230|Pattern||0|int 0..0/1|
231|Pattern||0|int 0..0/1|
232|Pattern||0|int 0..0/1|
233|Pattern||0|int 0..0/1|
234|Pattern||0|int 0..0/1|
235|Pattern||0|int 0..0/1|
236|Pattern||0|int 0..0/1|
237|Pattern||0|int 0..0/1|
238|Pattern||0|int 0..0/1|
239|Pattern||0|int 0..0/1|
240|Pattern||0|int 0..0/1|
241|Pattern||0|int 0..0/1|
242|||0|none 0..1/1|
243|||0|none 0..1/1|
244|||0|none 0..1/1|
245|||0|none 0..1/1|
246|MIDI in channel||1|enum 0..15/1|1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16
247|MIDI out channel||1|enum 0..15/1|1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16
248|CC1 control||0|enum 0..127/1|0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,80,81,82,83,84,85,86,87,88,89,90,91,92,93,94,95,96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111,112,113,114,115,116,117,118,119,120,121,122,123,124,125,126,127
249|CC2 control||1|enum 0..127/1|0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,50,51,52,53,54,55,56,57,58,59,60,61,62,63,64,65,66,67,68,69,70,71,72,73,74,75,76,77,78,79,80,81,82,83,84,85,86,87,88,89,90,91,92,93,94,95,96,97,98,99,100,101,102,103,104,105,106,107,108,109,110,111,112,113,114,115,116,117,118,119,120,121,122,123,124,125,126,127
250|||0|none 0..1/1|
251|||0|none 0..1/1|
252|||0|none 0..1/1|
253|Split note name||C|enum 0..11/1|C,C#,D,D#,E,F,F#,G,G#,A,A#,B
254|Split note number||0|enum 0..10/1|0,1,2,3,4,5,6,7,8,9,10
255|Split side||Off|enum 0..2/1|Off,Left,Right
256|||0|none 0..1/1|
257|Step mode||0|enum 0..8/1|
258|||0|none 0..1/1|
259|||0|none 0..1/1|
260|MIDI learn||MIDI learn|enum 0..1/1|MIDI learn,MIDI unlearn
261|Reset steps||MIDI learn|enum 0..2/1|MIDI learn,MIDI unlearn,Reset steps
262|||0|none 0..1/1|
263|||-1|int -1..1000/1|
264|||-1|int -1..1000/1|
265|||-1|int -1..1000/1|
266|||-1|int -1..1000/1|
267|||-1|int -1..1000/1|
268|||-1|int -1..1000/1|
269|||-1|int -1..1000/1|
270|||-1|int -1..1000/1|
271|||-1|int -1..1000/1|
272|||-1|int -1..1000/1|
273|||-1|int -1..1000/1|
274|||-1|int -1..1000/1|
275|||-1|int -1..1000/1|
276|||-1|int -1..1000/1|
277|||-1|int -1..1000/1|
278|||-1|int -1..1000/1|
279|||-1|int -1..1000/1|
280|||-1|int -1..1000/1|
281|||-1|int -1..1000/1|
282|||-1|int -1..1000/1|
283|||-1|int -1..1000/1|
284|||-1|int -1..1000/1|
285|||-1|int -1..1000/1|
286|||-1|int -1..1000/1|
287|||-1|int -1..1000/1|
288|||-1|int -1..1000/1|
289|||-1|int -1..1000/1|
290|||-1|int -1..1000/1|
291|||-1|int -1..1000/1|
292|||-1|int -1..1000/1|
293|||-1|int -1..1000/1|
294|||-1|int -1..1000/1|
295|||-1|int -1..1000/1|
296|||-1|int -1..1000/1|
297|||-1|int -1..1000/1|
298|||-1|int -1..1000/1|
299|||-1|int -1..1000/1|
300|||-1|int -1..1000/1|
301|||-1|int -1..1000/1|
302|||-1|int -1..1000/1|
303|||-1|int -1..1000/1|
304|||-1|int -1..1000/1|
305|||-1|int -1..1000/1|
306|||-1|int -1..1000/1|
307|||-1|int -1..1000/1|
308|||-1|int -1..1000/1|
309|||-1|int -1..1000/1|
310|||-1|int -1..1000/1|
311|||-1|int -1..1000/1|
312|||-1|int -1..1000/1|
313|||-1|int -1..1000/1|
314|||-1|int -1..1000/1|
315|||-1|int -1..1000/1|
316|||-1|int -1..1000/1|
317|||-1|int -1..1000/1|
318|||-1|int -1..1000/1|
319|||-1|int -1..1000/1|
320|||-1|int -1..1000/1|
321|||-1|int -1..1000/1|
322|||-1|int -1..1000/1|
323|||-1|int -1..1000/1|
324|||-1|int -1..1000/1|
325|||-1|int -1..1000/1|
326|||-1|int -1..1000/1|
327|||-1|int -1..1000/1|
328|||-1|int -1..1000/1|
329|||-1|int -1..1000/1|
330|||-1|int -1..1000/1|
331|||-1|int -1..1000/1|
332|||-1|int -1..1000/1|
333|||-1|int -1..1000/1|
334|||-1|int -1..1000/1|
335|||-1|int -1..1000/1|
336|||-1|int -1..1000/1|
337|||-1|int -1..1000/1|
338|||-1|int -1..1000/1|
339|||-1|int -1..1000/1|
340|||-1|int -1..1000/1|
341|||-1|int -1..1000/1|
342|||-1|int -1..1000/1|
343|||-1|int -1..1000/1|
344|||-1|int -1..1000/1|
345|||-1|int -1..1000/1|
346|||-1|int -1..1000/1|
347|||-1|int -1..1000/1|
348|||-1|int -1..1000/1|
349|||-1|int -1..1000/1|
350|||-1|int -1..1000/1|
351|||-1|int -1..1000/1|
352|||-1|int -1..1000/1|
353|||-1|int -1..1000/1|
354|||-1|int -1..1000/1|
355|||-1|int -1..1000/1|
356|||-1|int -1..1000/1|
357|||-1|int -1..1000/1|
358|||-1|int -1..1000/1|
359|||-1|int -1..1000/1|
360|||-1|int -1..1000/1|
361|||-1|int -1..1000/1|
362|||-1|int -1..1000/1|
363|||-1|int -1..1000/1|
364|||-1|int -1..1000/1|
365|||-1|int -1..1000/1|
366|||-1|int -1..1000/1|
367|||-1|int -1..1000/1|
368|||-1|int -1..1000/1|
369|||-1|int -1..1000/1|
370|||-1|int -1..1000/1|
371|||-1|int -1..1000/1|
372|||-1|int -1..1000/1|
373|||-1|int -1..1000/1|
374|||-1|int -1..1000/1|
375|||-1|int -1..1000/1|
376|||-1|int -1..1000/1|
377|||-1|int -1..1000/1|
378|||-1|int -1..1000/1|
379|||-1|int -1..1000/1|
380|||-1|int -1..1000/1|
381|||-1|int -1..1000/1|
382|||-1|int -1..1000/1|
383|||-1|int -1..1000/1|
384|||-1|int -1..1000/1|
385|||-1|int -1..1000/1|
386|||-1|int -1..1000/1|
387|||-1|int -1..1000/1|
388|||-1|int -1..1000/1|
389|||-1|int -1..1000/1|
390|||-1|int -1..1000/1|
)";

#endif
