"""Little scenes for the synthetic sample corpus: what one text is about.

A text is usually about one thing: an arrangement and a detail, a question
and the reason for it, thanks and a follow-up.  Each scene below is one such
thing.  Its first line opens the text; the lines after it are follow-ups,
taken in order (a text uses the opening and as many follow-ups as the writer
is in the mood for).  Alternatives on one line are separated by " | ".

A scene's header says who could plausibly send it:

    == topic BANDS [F|M] [par|gp|kid|nogp]

BANDS uses one letter an age group: Y under 18, A 18-25, B 26-40, C 41-60,
O 61 and over.  F or M limits the scene to women or men.  "par" is for
writers with children at home, "gp" for grandparents, "kid" for writers who
still live with their parents, "nogp" for older writers who are not
grandparents.  Everything is plain British English; the generator turns it
into each writer's own texting style.
"""

RAW = r"""
== arrange YABC
Are you still on for {day}? | Still on for {day}? | Are we still on for {day}?
Shall we meet at {place} about {time}? | Meet you at {place} at {time}? | I'll meet you at {place} at {time}.
Let me know if you can't make it.
I've told {friend} we'll be there. | I'll book somewhere if you want.

== arrange YA
What are you doing {day}? | What you doing {day}? | Are you doing anything {day}?
Fancy coming into town? | Do you want to come into town with me? | Fancy going to the cinema?
{friend} might come as well.
Text me back.
I need some new jeans. | My mum's giving me a lift in.

== arrange YABC
Where are you? I'm stood outside. | I'm here, where are you? | I'm outside, where are you?
Been here ages. | I've been waiting twenty minutes. | It's freezing out here.
Hurry up!
If you're not here in five I'm going home. | Ring me if you're not coming.

== arrange ABC
Do you want to come round for a brew later? | Fancy coming round for a cuppa later? | Come round for a brew if you're about.
I'm in all afternoon. | I'm in all day. | I'm in from {time}.
Bring {friend} if you want.
I've got cake. | I've got loads to tell you. | Haven't seen you for ages.

== arrange ABC
I can't do {day} now, sorry. | Can we make it {day} instead? | Something's come up for {day}.
How about the weekend? | Is next week any good? | Would {day} be any better?
Let me know what suits you.
Sorry to mess you about. | It's been a mad week.

== arrange YA
We're all meeting at mine first. | Everyone's meeting at {friend}'s first. | Meet at mine about {time}.
Bring something to drink. | Bring some music. | Don't be late this time!
It's going to be a good one.

== arrange BC
I'll pop round after work. | I'll pop round on my way home. | I'll call in after work.
Are you in? | Will you be in? | Is that ok?
Won't stop long.
About half five. | I've got that book for you. | Put the kettle on.

== arrange ABC
Do you want to go halves on a taxi? | Shall we share a taxi? | Shall we get a taxi together?
I'll book it for {time}. | I'll ring one for {time}. | It's only a fiver each.
Text me when you're ready. | We can get dropped off at yours first.

== arrange O
Are you still coming on {day}? | Are you still coming over on {day}? | Are we still seeing you {day}?
I'll get something in for dinner. | I've got a bit of ham in for sandwiches. | I'll put the kettle on for {time}.
Let me know if anything changes.
We're looking forward to it. | Don't go to any trouble. | Drive carefully.

== arrange C
We're going to {pub} for a meal on {day}. | Shall we go out for a meal on {day}? | Fancy a bite to eat on {day}?
Do you want to come? | Would you and {friend} like to come? | My treat.
I'll book a table for {time}.
It's {friend}'s fiftieth. | It'd be lovely to see you.

== lift YABC kid
Can you pick me up from {place} at {time}? | Can you come and get me from {place}? | Can I get a lift home from {place}?
I've missed the bus. | There's no buses. | My feet are killing me.
I'll be by the doors. | Ring me when you're outside. | Please!
I'll pay you back for petrol. | Don't be late.

== lift ABC
Do you want a lift {day}? | I can give you a lift home if you want. | Do you want picking up?
I'm going that way anyway. | It's no trouble. | I'm passing yours anyway.
I'll be outside at {time}.
Let me know by tonight.

== lift BC
Car's playing up again. | The car's in the garage till {day}. | The car won't start.
Can you give me a lift to work in the morning? | Can you run me to the station? | Any chance of a lift tomorrow?
I'll give you some petrol money.
It's making a funny noise. | Dave's going to look at it.

== lift BC par
Can you fetch the kids at half three? | Can you pick {kid} up from school? | Can you get {kid} from football at {time}?
I'm stuck at work. | I won't get back in time. | My meeting's running over.
Thanks, you're a star.
They've got their key. | There's squash in the fridge.

== lift C par
Ring me when you want picking up. | Text me when you want picking up. | Let me know when you want picking up.
I'll be up till late anyway. | Don't walk home on your own. | Don't get in any strange cars.
Have a good night.

== lift O
I'll run you to the station if you like. | Do you want me to run you to the station? | I can take you to the station in the morning.
What time's your train? | I'm up early anyway.
Let me know.
No trouble.

== tea BC par
What do you want for tea? | What do you fancy for tea? | Any ideas for tea?
I was thinking {food}. | I've got {food} in. | There's {food} in the freezer.
Let me know before I go shopping.
Or we could get a takeaway. | The kids want pizza again.

== tea BC
Can you get some {food} on your way home? | Can you pick up some {food} on the way back? | We need {food}, can you get some?
And some milk. | And a loaf. | We're out of milk too.
Tea will be ready at {time}.
Get the big one. | There's money on the side.

== tea ABC
Fancy a curry tonight? | Shall we get a takeaway? | Chippy tea tonight?
I can't be bothered cooking. | I'm too tired to cook. | My treat.
Let me know what you want.
I'll ring it through. | The usual?

== tea C par
Your tea's in the microwave. | Your dinner's in the oven. | Tea's on the side.
Two minutes should do it. | Just heat it up. | Don't leave the plate in the sink.
Love you.

== tea C
I've done a casserole, there's plenty. | I've made a big pot of stew. | I've done too much chilli again.
Do you want to come for tea? | Come for your tea if you're passing. | I'll put some in a tub for you.
Bring some pudding.
It'll only go to waste. | I'll drop some round otherwise.

== tea O F
Sunday dinner at ours this week. | Come for Sunday dinner. | I'm doing a roast on Sunday.
About one o'clock. | We'll eat about one. | Grandad's doing the Yorkshires.
Let me know how many are coming.

== tea A
Just made the best cheese toastie ever. | I've burnt the pasta. | I've eaten a whole pizza.
I'm stuffed. | I feel sick now. | Don't tell anyone.

== shopping BC F
Got a lovely top in the sale for {price}. | Got some new boots, they were only {price}. | Treated myself to a new coat.
Couldn't leave it there. | Don't tell anyone. | It was a bargain.
I'll show you when I see you.

== shopping YA F
Got some new shoes in {shop}. | Found the perfect dress in {shop}. | Got a new top for Saturday.
Only {price}! | It was in the sale. | I love it.
Wait till you see it.
I'll wear them {day}. | My mum will kill me.

== shopping ABC
I'm in {shop}, do you need anything? | I'm in {shop}, want anything? | Just in {shop}, anything you need?
It's heaving. | The queues are ridiculous. | There's no trolleys.
Be quick, my battery's going.
I'm nearly at the till.

== shopping BC
Can you get milk and bread on your way home? | Can you grab some milk on your way? | We need milk and teabags.
We've run out of teabags. | And some washing powder.
Thanks.

== shopping YA
I'm skint till payday. | I've got no money till {day}. | I'm totally broke.
Can you lend me {price}? | Can I borrow {price}? | Could you lend me {price} till {day}?
I'll pay you back {day}.
I'll be good for it, promise. | Don't tell my mum.

== shopping C
I've been to {shop}. | Just back from {shop}. | Been round {shop} all morning.
I spent a fortune. | The prices in there now! | It was {price} for a few bits.
They had no {food} left either.
Never again on a Saturday. | Remind me to make a list next time.

== shopping O
Do you need anything from {shop}? | I'm going to {shop} in the morning. | I'm going into town tomorrow.
I can get it while I'm there. | Do you want me to get you anything?
Let me know.

== kids BC par
{kid} has been sick all night. | {kid} has got a temperature. | {kid}'s not well again.
I'm keeping them off school. | I've rung the school. | We've been up all night.
Can you let work know I'll be late?
Poor thing. | I'll ring you later.

== kids BC par
Can you get the kids from school? | Can you have the kids for a couple of hours? | Any chance you could have the kids on {day}?
I've got an appointment at {time}. | I've got to go to the hospital. | I'm working late.
I'll owe you one.
They finish at quarter past three. | I'll pick them up from yours after.

== kids BC par
Parents' evening is on {day} at {time}. | Don't forget parents' evening {day}. | It's parents' evening on {day}.
Can you come? | Are you coming? | I'll meet you there.
Hope {kid} has behaved.

== kids BC par
{kid} has lost another coat. | {kid} has lost the PE bag again. | {kid} has lost another jumper.
That's the third this term. | I could scream. | Can you look in lost property?

== kids BC par
{kid} got a gold star today. | {kid} got picked for the team! | {kid} was brilliant in the play.
So proud. | We're so proud. | Made my day.
Tell your mum.
Had to tell someone.

== kids BC par
Kids are driving me mad. | {kid} won't go to bed. | The kids are fighting again.
I need a glass of wine. | I'm going to scream. | Give me strength.
How's your day?
Roll on bedtime.

== kids C par
Is {son} with you? | Have you seen {son}? | Is {son} at yours?
He said he'd be home by {time}. | He's not answering his phone. | I've been ringing him for ages.
Tell him to get home now.

== work BC
Stuck at work till {time}. | Got to stay late again. | They've asked me to stay till {time}.
Don't wait for me for tea. | Start tea without me. | Sorry.
See you later.
There's stuff in the fridge. | I'll pick something up on the way.

== work ABC
Boss is doing my head in. | Work was a nightmare. | What a day.
Everyone's off sick. | The computer's been down all day. | I've been on my feet all day.
Just want my bed. | Need a drink.
I'm looking for another job. | Six more hours.

== work AB
I've got an interview on {day}. | Got an interview at {time} tomorrow. | I've got an interview!
Wish me luck. | I'm so nervous. | What do I wear?
Will let you know how it goes.
Can I borrow your black jacket?

== work AB
Got the job! | They've offered me the job! | I start on {day}!
Can't believe it. | I'm made up. | Drinks on me.
Ring you later.

== work ABC
Can you cover my shift on {day}? | Any chance you could swap shifts on {day}? | Can you do my shift {day}?
I'll do your {day}. | I'll owe you one. | It's for {friend}'s wedding.
Let me know.
I'll square it with the boss.

== work BC
I'm on nights this week. | I'm on earlies all week. | I'm on lates this week.
Won't see much of you. | I'll text when I can. | I'm knackered already.
Leave me a note if you need anything.

== work ABC
Are you working tomorrow? | What time do you finish? | Are you on earlies or lates this week?
Thought we could meet for lunch. | Fancy a quick drink after? | I'll come and meet you.
Let me know.

== work C
Meeting's been moved to {day}. | The meeting's been cancelled. | They've moved the meeting to {time}.
I'll let the others know. | Can you tell the others? | About time.

== pub AB
Fancy a pint? | Fancy a quick one after work? | Pint?
{pub} at {time}? | I'm in {pub}. | We're going to {pub}.
Get yourself down.
First one's on me.

== pub AB
What a night! | What a night last night. | Had a cracking night.
My head is killing me. | I'm never drinking again. | Still feel rough.
Did I say anything stupid? | How did I get home?
Never again. | Who was that lad?

== pub A
Are you coming out tonight? | Are you out tonight? | Out tonight?
We're going into town about {time}. | Everyone's going to {pub}. | It's two for one on cocktails.
Don't be boring!
It's {friend}'s last night before she goes. | Everyone's going.

== pub AB
Where did you get to last night? | Where did you go last night? | You disappeared last night.
We looked everywhere. | {friend} was looking for you. | We thought you'd gone home.
Did you get home alright?

== pub BC
Quiz night at {pub} on {day}. | It's quiz night at {pub} {day}. | Are you coming to the quiz on {day}?
We need a team of four. | We need somebody who knows about sport. | We came second last time.
Starts at eight.

== pub BC M
Fancy a pint after work? | Pint later? | Quick one at {pub}?
I need one after today. | I'll get the first round in. | Just the one.

== football ABC M
Did you see the match? | Did you watch the game? | Did you see the score?
What a goal! | We were robbed. | The ref was a joke.
Unbelievable.
I'm still fuming. | See you {day}.

== football ABC M
Are you going to the game on Saturday? | Got two tickets for Saturday if you want one. | Are you watching the match at {pub}?
Kick off is at three. | I'll pick you up at half one. | {friend} is coming as well.
Let me know by Thursday.

== football YABC M
Five a side is on {day} at {time}. | Five a side {day}, are you playing? | We're short for five a side {day}.
Need one more. | Bring your boots. | Can you play?

== football O M
Did you see the match? | Did you see the result?
Shocking second half. | They were lucky. | Best they've played all season.
We'll see you Saturday.
I'm still fuming. | See you {day}.

== football YABC M
{team} lost again. | {team} won! | Three nil, get in!
Told you. | I can't watch any more. | What a season.

== ill ABC
Feeling rough, think I've got the flu. | I've got a stinking cold. | I feel awful.
I'm going back to bed. | Been in bed all day. | Can't stop sneezing.
Can you tell work? | Don't come round, you'll catch it.
Sorry.

== ill ABCO
Are you feeling any better? | Hope you feel better soon. | How are you feeling?
Do you need anything from the chemist? | Do you want me to bring you some soup? | Stay in bed.
Let me know if you need anything.

== ill CO
Got an appointment at the hospital on {day}. | I've been to the doctor's about my knee. | The doctor says it's a virus.
They want to do some tests. | It's nothing to worry about. | He's given me some tablets.
I'll let you know.
Could you run me there? | It's at {time}.

== ill CO
My back is killing me. | My knee is playing up again. | My hip's been bad all week.
Can't do a thing. | I've hardly slept. | Doctor's on {day}.
Don't worry.
I'll see how it is tomorrow.

== ill AB
Went to the dentist. | Had a filling. | Just had my tooth out.
My face is numb. | I can't feel my lip. | I can't eat anything.
Never again.

== birthday YABCO
Happy birthday! | Happy birthday to you! | Happy birthday!!
Have a lovely day. | Hope you have a brilliant day. | Hope you get spoilt rotten.
Have a drink for me. | See you later.

== birthday YABC
What do you want for your birthday? | What are you doing for your birthday? | Are you doing anything for your birthday?
I haven't got a clue what to get you. | We should go out. | Let me know.
And don't say nothing.

== birthday YA
Don't forget it's {friend}'s birthday on {day}. | It's {friend}'s birthday {day}. | {friend}'s birthday is on {day}.
Are you getting a card? | Shall we go halves on a present? | We're going to {pub}.

== birthday O
Happy birthday, love. | Happy birthday darling. | Many happy returns.
Hope you have a lovely day. | Have a lovely day. | Did you get our card?
There's a little something in the card.

== birthday ABCO
Thanks for my card. | Thanks for the birthday wishes. | Thank you for the present.
It made me laugh. | It's lovely. | You shouldn't have.
Had a lovely day.

== birthday BC par
We're having a party for {kid} on {day}. | {kid}'s party is on {day} at {time}. | It's {kid}'s party {day}.
At the church hall. | At the leisure centre. | At ours.
Can you come?

== thanks ABCO
Thanks for tonight. | Thank you for a lovely evening. | Thanks for having us.
Had a great time. | It was lovely to see you. | We must do it again.
Let's not leave it so long.
Text me when you're home.

== thanks ABC
Cheers for the lift. | Thanks for the lift. | Cheers for sorting it.
Owe you one. | You're a star. | I'll get the drinks next time.

== thanks BC par
Thanks for looking after the kids. | Thank you for having the kids. | Thanks for having {kid}.
Hope they behaved. | They said they had a brilliant time. | They loved it.
Let me know when I can return the favour.

== thanks CO
Thank you for the flowers, they're lovely. | Thanks for the flowers. | The flowers are beautiful.
You shouldn't have. | They're on the kitchen table. | They've really cheered me up.
Thank you.

== thanks ABC
Thanks for the money. | Thanks for lending me that. | Cheers for the money.
I'll pay you back {day}. | I'll give it you back on payday. | You're a lifesaver.

== sorry YABC
Sorry I missed your call. | Sorry, missed your call. | Sorry, did you ring?
My phone was on silent. | I was in the shower. | I was driving.
Ring me back.
Is everything ok?

== sorry YA
Sorry about last night. | Sorry for being grumpy. | Sorry I was so rude earlier.
I was in a right mood. | I didn't mean it. | I was tired.
Are you still talking to me?

== sorry YABC
Sorry I can't make it {day}. | Really sorry, I can't come {day}. | Sorry, I've got to cancel {day}.
Something's come up at work. | {kid} isn't well. | I've got to work.
Can we do next week instead?
I'm gutted.

== sorry YAB
Sorry I didn't text back. | Sorry, I've only just seen this. | Sorry it's taken me so long.
I fell asleep. | I've been so busy. | I had no signal.
What's up?

== late YABC
Running late, be there in ten. | Be there in five minutes. | Going to be about twenty minutes late.
Bus didn't turn up. | Stuck in traffic. | Got held up at work.
Sorry! | Order me a drink.
Don't go without me.

== late YABC
Where are you? You said {time}. | I'm here, where are you? | I'm still waiting for you.
I've been here since {time}. | Everyone else is here. | Are you still coming?

== late YA
Overslept, sorry. | Just woke up. | Slept through my alarm.
Go without me. | I'll catch you up. | Be there as soon as I can.

== late ABC
Just leaving now. | Set off now. | Just parking.
See you soon. | Won't be long. | Put the kettle on.

== weather YABCO
It's chucking it down here. | It's pouring. | It's absolutely tipping it down.
Take a coat. | Can you bring the washing in? | I got soaked.
Typical, just as I'd pegged the washing out. | So much for summer.

== weather ABCO
Gorgeous day. | Lovely day, isn't it? | The sun's out at last.
I'm sat in the garden. | We're off to the park. | Make the most of it.
Long may it last.

== weather BCO
Roads are icy, be careful. | Fog's really bad, drive carefully. | It's like an ice rink out there.
Take your time. | Text me when you get there. | Don't rush.

== weather O
Freezing today! | Bitter out today. | Snow forecast for tonight.
Are you warm enough? | Wrap up if you're going out. | Make sure the heating's on.

== transport YABC
Train's delayed again. | The train's cancelled. | Missed the train by a minute.
I'll get the next one. | Should be home by {time}. | Typical.
Don't wait up.

== transport YAB
On the bus now. | On the train. | Just got off the bus.
Be home about {time}. | Meet you at {place}? | Nearly there.
Put the kettle on.

== transport ABC
There's been an accident, we're not moving. | Stuck on the motorway. | The traffic's terrible.
Going to be late. | Might be a while. | Start without me.

== transport ABC
Which bus are you getting? | What time does your train get in? | Are you on the train yet?
I'll meet you off it. | I'll be at the station. | I'll pick you up.

== school Y
Got my maths exam tomorrow. | Got my English exam on {day}. | Science test tomorrow.
I haven't revised at all. | I'm going to fail. | I'm revising all night.
Wish me luck.
Can you test me later?

== school Y
Did you do the homework? | Have you done the science homework? | Did you do the French?
Can I copy yours? | I don't get that bit. | It's due in today. | What did you put for question three?
I'll be in early.
It's due first thing.

== school Y
Miss gave me a detention. | Got a detention for talking. | Sir kept us behind.
It wasn't even me. | I was only laughing. | So unfair.
Tell my mum I'll be late.

== school Y
Are you walking to school tomorrow? | Are you going to school tomorrow? | Meet you at the corner?
Knock for me. | I'll wait at the gate. | Don't be late.

== school Y
Are you going to the disco? | Are you going to {friend}'s party? | Are you going on the school trip?
My mum won't let me go. | I've got nothing to wear. | I can't wait.
Ask your mum if I can stay over.
What are you wearing?

== school Y
Got an A in English! | I passed! | Got a B in maths!
Can't believe it. | My mum's going to be so pleased. | Told you I'd do it.

== school A
Lecture at nine, I'll never make it. | My essay's due on {day}. | I've got loads of coursework.
Haven't even started. | I'm living in the library. | Can you lend me your notes?
Help!

== school A
Results are out on {day}. | Got my results! | Results tomorrow.
I'm bricking it. | Passed everything! | Don't ask.

== grandkids O gp
Lovely to see the grandchildren. | It was lovely to see you all. | Thank you for bringing the children.
{kid} has grown so much. | {kid} looked so grown up. | They were as good as gold.
Come again soon.
The house is so quiet now.

== grandkids O F gp
Tell {kid} Nana says well done. | Tell {kid} we're very proud. | Well done to {kid}.
We'll get a little something for them. | Grandad's over the moon. | Give them a kiss from us.

== grandkids O F gp
We'll have the children on {day} if that helps. | Can we have {kid} on {day}? | Do you want us to have the children {day}?
Grandad can pick them up from school. | They can stay for tea. | We'd love to have them.
Let us know.

== grandkids O F gp
Thank you for the photos of {kid}. | Got the pictures of {kid}. | Loved the photos.
Grandad has put one on the fridge. | Aren't they getting big? | What a smile.

== grandkids O F gp
Did {kid} like the present we sent? | Has {kid} settled in at nursery? | How's {kid} getting on at school?
Give them a big kiss from me. | Tell them Grandad's asking. | We think about them all the time.

== grandkids O F
Hope the little ones are all well. | Give the children a hug from me. | Give my love to the children.
I've knitted {kid} a cardigan. | I've got a few bits for them. | I'll bring their presents on {day}.
Can't wait to see them.

== phone YABC
Got no credit. | No credit, ring me. | I've got no credit left.
Ring me. | Can you ring me? | I'll top up tomorrow.
It's important.
Need to ask you something.

== phone YA
My phone's about to die. | My battery's nearly dead. | Phone's on one per cent.
Text me {friend}'s number. | If you can't get me I'm at {friend}'s. | Will text when I'm home.

== phone YAB
Lost my phone, this is my new number. | New number, save it. | This is my new number.
Can you send me everyone's numbers? | Text me back so I've got yours. | Pass it on.

== phone BCO
I tried ringing but it went to answerphone. | I've been trying to ring you. | Tried to call you.
Give me a ring when you get this. | Ring me when you can. | Nothing urgent.

== phone O
Did you get my message? | Did you get my last text? | I hope this has gone through.
I'm still getting the hang of this phone. | I can't find the question mark. | My neighbour's showing me how to do it.

== chat YA
What are you up to? | What you doing? | What are you doing?
I'm so bored. | Nothing on telly. | Just watching telly. | School was so boring today.
Did you see that thing on telly? | Is that ok? | Are you ok?
Text me back.
Come round.

== chat YA
You'll never guess what happened. | I've got some gossip for you. | Have you heard about {friend}?
Ring me! | I can't put it in a text. | I'll tell you tomorrow.
Seriously.

== chat YA F
Miss you. | Can't wait to see you. | Love you loads.
Wish you were here. | {day} can't come quick enough. | Night night.

== chat YA
Are you still awake? | Can't sleep. | Are you up?
Been lying here for hours. | I keep thinking about tomorrow. | My head won't switch off.

== chat YA F
Me and {friend} are having a girly night in. | Girly night at mine {day}. | Having a pamper night.
Come round! | Bring wine. | We've got face masks and chocolate.

== chat YA
Did you see {friend} today? | Did you watch it last night? | Did you see it last night? | Did you see the final?
I can't believe she went. | I was screaming. | Best episode ever.

== chat ABC
How was your day? | How did it go? | How did you get on?
Tell me everything. | Was it ok? | Ring me later.
Mine was awful.

== chat BC
Just got in. | Just got home. | Finally home.
Been a long day. | Feet up now. | Kettle's on.
Bath then bed. | Early night for me.

== chat BCO
Hope you're ok. | Haven't heard from you for a while. | Are you ok?
Give me a ring when you can. | Thinking of you. | We should meet up.
Love to everyone.

== chat O
Hello love, just thought I'd send you a text. | Just a quick text to say hello. | Thought I'd say hello.
Hope you're all well. | All fine here. | Nothing much happening.
Speak soon.
We're both keeping well. | Grandad says hello.

== home YA kid
Have you seen my phone charger? | Have you got my straighteners? | Who's had my hoodie?
I need it now. | I'll kill you. | Put it back.

== home BC par
Tidy your room before I get back. | Can you take the bins out? | Can you put the washing out?
I mean it. | It's bin day tomorrow. | Thank you.

== home YA kid
Mum says you've got to come home. | Mum wants to know if you're coming home for tea. | Mum's going mad.
Where are you? | She's cooking. | I'd get home if I were you.

== home BCO
The boiler's broken again. | The washing machine's flooded. | The fridge has packed in.
Can you ring someone? | I'm waiting in for the man. | We'll have to get a new one.
Freezing in here. | Third time this winter.

== home BC
Can you feed the cat? | Can you water the plants? | Can you let the dog out?
Key's under the mat. | I'll be back {day}. | Thanks.

== home BCO
We've got a new sofa. | I've painted the kitchen. | We've had the bathroom done.
Come and see. | It looks lovely. | Took all weekend.

== home O
Can you come and look at the telly? | The remote's stopped working. | The computer's gone funny.
It's doing it again. | I don't know what I've pressed. | No rush.
Whenever you're passing.

== home O
The garden looks lovely. | Been in the garden all morning. | The roses are out.
You'll have to come and see it. | My back's paying for it now. | Lovely to be outside.
Come and have a cup of tea in it.

== plans YABC
Booked the holiday! | We've booked Spain. | We're going to Devon for a week.
Can't wait. | Only six weeks. | It was a bargain.
Two weeks of sun.

== plans BC par
We're off to the seaside on {day}. | Day out at the zoo with the kids. | Taking the kids to the park.
Do you want to come? | Should be fun. | If it stays dry.

== plans BCO
We're going to the caravan for the week. | We're off to the caravan tomorrow. | Back from the caravan.
The weather's been lovely. | No signal there. | We had a lovely time.
Can you keep an eye on the house?

== plans YABC
Do you fancy the pictures on {day}? | Shall we go to the cinema on {day}? | Want to see a film on {day}?
I'll get the tickets. | There's one at {time}. | Your pick this time.
My treat.

== plans ABC
Got tickets for the concert! | Got us tickets! | Guess who's got tickets?
Front row! | Couldn't believe it. | It's in {day} week.

== plans ABCO
Are you going to the wedding? | Have you had your invite? | Have you been invited to the wedding?
What are you wearing? | I need a new outfit. | Should be a lovely do.
Shall we go together?

== plans BC
We're having a barbecue on {day}. | Barbecue at ours {day}. | Come round for a barbecue {day}.
Bring a bottle. | About {time}. | If the weather holds.
Bring the kids.

== plans BCO
What are you doing for Christmas? | Are you coming to us for Christmas? | Where are you for Christmas this year?
Let me know for the turkey. | Everyone's welcome. | We're staying in this year.
No rush.

== grandkids O M gp
Tell {kid} well done from Grandad. | Well done to {kid}, tell them I'm proud. | Tell {kid} Grandad says well done.
There's a fiver in the post. | We'll have a trip out to celebrate. | Pat's over the moon.

== grandkids O M gp
I've fixed {kid}'s bike. | {kid}'s bike is done. | I've mended the puncture on {kid}'s bike.
New brakes as well. | Good as new. | It's in the shed.
You can fetch it {day}.
Tell them to wear the helmet.

== grandkids O M gp
I'll pick the children up from school {day}. | I can fetch {kid} from school {day}. | I'll do the school run {day} if you want.
Pat says they can stop for tea. | No trouble at all. | I'll be at the gate at three.

== grandkids O M gp
Thank you for the photos of {kid}. | Got the pictures of {kid}. | Pat showed me the photos.
Getting so big. | What a smile. | Takes after their Grandad.

== home O M
Been on the allotment all morning. | I've been down the allotment. | I've cut the hedge.
Got some runner beans for you. | The tomatoes are coming on. | My back knows about it.
Pop round and get some.
Don't bring any more jars back.
"""

SWEARY = """
Bloody bus never came.
What a shit day.
Bloody hell, it's freezing.
Bloody car won't start.
Shit, I've left my keys at yours.
""".strip().split("\n")

# Sentences that can close a text on any subject, by age group.
CLOSERS = {
    "Y": ["Text me back.", "Speak later.", "See you tomorrow.", "Love you.", "Text me.",
          "Got to go.", "Mum's calling me.", "Ok, got to go.", "Ok, see you tomorrow.", "See you at school."],
    "A": ["Text me back.", "Speak later.", "Catch you later.", "See you in a bit.", "Love you.",
          "Anyway, better go.", "Speak soon."],
    "B": ["Speak later.", "See you soon.", "Speak soon.", "Anyway, must dash.",
          "Have a good one.", "Take care."],
    "C": ["Speak later.", "Take care.", "See you soon.", "Speak soon.",
          "Mind how you go.", "Don't work too hard."],
    "O": ["Take care.", "Speak soon.", "Look after yourself.", "God bless.", "Let me know.",
          "Mind how you go."],
}

# Short texts that answer another one.
REPLIES = {
    "Y": ["Ok", "Okay", "Okay then", "Ok see you tomorrow", "Ok, that's fine", "Yeah", "No", "Lol", "Haha", "Cool", "What?", "Whatever", "Shut up!",
          "No way!", "On my way", "Where are you?", "Love you too", "Night", "Me too", "Why?",
          "Can't", "Yeah ok", "Who?"],
    "A": ["Ok", "Okay", "Okay then", "Okay, see you there", "Ok that's fine", "Yeah go on then", "Lol", "Haha", "Cool", "No worries", "On my way",
          "Sounds good", "You're joking", "No way!", "Love you too", "Night", "Me too",
          "Cheers", "Where are you now?", "Just got in", "Going to bed", "Not sure yet"],
    "B": ["Ok", "Okay", "Okay, will do", "Ok thanks", "Yes please", "No thanks", "Will do", "See you then",
          "Sounds good", "No worries", "On my way", "Home now", "Ring me", "What time?",
          "Yeah that's fine", "Maybe", "Good luck", "Well done", "Oh no", "Just got in",
          "See you in a bit"],
    "C": ["Ok", "Okay", "Ok love", "Ok thanks", "Yes please", "No thanks", "Will do",
          "See you then", "Lovely", "Brilliant", "Well done", "Good luck", "Oh no",
          "Ring me", "What time?", "On my way", "Home now", "Yes that's fine", "Thank you",
          "Alright then"],
    "O": ["Ok love", "Yes please", "No thank you", "Thank you", "Lovely", "Well done",
          "Bless you", "Good luck", "Oh dear", "See you then", "Will do", "Ring me",
          "Yes that's fine", "Thank you love"],
}

GREETINGS = {
    "Y": ["Hiya", "Hey", "Heya", "Oi", "Hi"],
    "A": ["Hiya", "Hey", "Heya", "Alright", "Hey babe", "Hiya hun"],
    "B": ["Hi", "Hiya", "Hello", "Hi hun", "Morning", "Alright"],
    "C": ["Hi", "Hiya", "Hello", "Hi love", "Morning", "Hello love"],
    "O": ["Hello", "Hello love", "Hello dear", "Good morning", "Hello darling", "Hi"],
}


def _parse():
    scenes = []
    cur = None
    for line in RAW.strip().split("\n"):
        line = line.strip()
        if not line:
            continue
        if line.startswith("=="):
            parts = line[2:].split()
            topic, bands = parts[0], parts[1]
            sex = next((p for p in parts[2:] if p in ("F", "M")), None)
            roles = {p for p in parts[2:] if p not in ("F", "M")}
            cur = {"topic": topic, "bands": set(bands), "sex": sex, "roles": roles, "slots": []}
            scenes.append(cur)
        else:
            cur["slots"].append([alt.strip() for alt in line.split("|")])
    return scenes


SCENES = _parse()
