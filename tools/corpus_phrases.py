"""Raw material for the synthetic sample corpus written by make_corpus.py.

Everything here is written in plain, standard British English.  The generator
turns it into text-message style per author (abbreviations, dropped letters,
case and punctuation habits), so the sentences below should read like what
someone would type if they spelt everything out.

Placeholders in braces are filled in by the generator:
  {time} {day} {place} {pub} {shop} {price} {friend} {kid} {food} {num} {team}
"""

# --------------------------------------------------------------------------
# Sentence material, one sentence (or fragment) a line, grouped by topic.
# --------------------------------------------------------------------------

TOPICS = {}

TOPICS["arrange"] = """
Are you still on for {day}?
Shall we meet at {place} about {time}?
What time are you coming round?
I'll be outside in five minutes.
Meet you by the clock at {time}.
Is it still ok if I come over tonight?
Do you want to come round for a brew later?
I'm free after {time} if you fancy it.
Can we make it {day} instead?
We're meeting at {pub} at {time}, are you coming?
Are you about this afternoon?
Give me a shout when you're ready.
I'll knock for you on the way.
Don't forget we're going out {day}.
Shall I come to yours or do you want to come here?
Come round whenever, I'm in all day.
Are you coming to {friend}'s on {day}?
I'll see you at the usual place.
What are you doing this weekend?
Fancy doing something on {day}?
I can't do {day}, how about the weekend?
Let me know what time suits you.
I'll be there about {time}, save me a seat.
Are we still going into town?
Is {friend} coming as well?
We'll sort something out for next week.
Everyone's meeting at mine first.
Do you want to go halves on a taxi?
Call round when you get back.
I'm in town, where are you?
Where are you? I'm stood outside.
Can you come a bit earlier?
I'll pop round after work.
Are you in? I'm at the door.
""".strip().split("\n")

TOPICS["lift"] = """
Can you pick me up from {place} at {time}?
Do you want a lift tomorrow?
Dad will drop you home after.
Can I get a lift to work in the morning?
I'll pick you up at {time}, be ready.
Can you come and get me? I'm at {place}.
No need to pick me up, {friend} is giving me a lift.
I'll drop the keys round on my way.
Car's playing up again, can you give me a lift?
I'm outside in the car.
Can you run me to the station?
I'll get a taxi back so don't wait up.
Are you driving tonight?
I can give you a lift home if you want.
Will you be able to fetch the kids at half three?
Don't worry about picking me up, I'll get the bus.
I'm parked round the back.
The car's in the garage till {day}.
Can you drop me at {shop} on the way?
Ring me when you want picking up.
""".strip().split("\n")

TOPICS["tea"] = """
What do you want for tea?
Tea's in the oven.
Can you put the oven on for six?
We're having a chippy tea tonight.
Tea will be ready at {time}.
Do you want stopping for tea?
I've done a casserole, there's plenty.
Can you get some {food} on your way home?
Don't eat, I'm doing a roast.
What time do you want your tea?
Fancy a curry tonight?
I've burnt the tea again.
We're getting a takeaway, do you want anything?
Your dinner's in the microwave.
Shall I get fish and chips?
There's some {food} left if you're hungry.
Put the kettle on, I'm nearly home.
I've eaten too much, I'm stuffed.
Mum's doing {food} for tea.
Bring some pudding if you're coming.
Can you take the meat out of the freezer?
Sunday dinner at ours this week.
""".strip().split("\n")

TOPICS["shopping"] = """
I'm in {shop}, do you need anything?
Can you get milk and bread on your way home?
Got a lovely top in the sale for {price}.
{shop} was heaving.
Do you want anything from town?
We've run out of teabags.
I spent a fortune in {shop}.
They had no {food} left.
Have a look in {shop} for a birthday card.
I've got you some {food}.
The queues were ridiculous.
Got some new shoes, they were only {price}.
Can you lend me {price} till {day}?
I'm skint till payday.
What size are you?
Shall I get the big one or the small one?
It was {price}, what a rip off.
Don't buy any more crisps.
I've left my purse at home.
Got all the Christmas presents sorted.
Need to get some washing powder.
I'll meet you outside {shop}.
""".strip().split("\n")

TOPICS["kids"] = """
Can you get the kids from school?
{kid} has got nits again.
The baby's finally asleep.
{kid} wants to stay at {friend}'s tonight.
Parents' evening is on {day} at {time}.
Kids are driving me mad.
{kid} has been sick all night.
Can you have the kids for a couple of hours?
{kid} got a gold star today.
Don't forget {kid} has football after school.
The kids are in bed.
{kid} has lost another coat.
Is {kid} with you?
Tell {kid} to get home now.
School's shut tomorrow because of the snow.
{kid} has got a wobbly tooth.
The kids want to go to the park.
Need to get {kid} new school shoes.
{kid} won't go to bed.
Nursery rang, can you pick up {kid}?
{kid} has a party on {day}, can you do the lift?
The kids loved it, thank you.
""".strip().split("\n")

TOPICS["work"] = """
Stuck at work till {time}.
Boss is doing my head in.
Got the job!
Meeting's been moved to {day}.
I'm working a double shift today.
Can you cover my shift on {day}?
Work was a nightmare.
I've got an interview on {day}, wish me luck.
Finish at {time} tonight.
I've been on my feet all day.
They want me to work the weekend.
Just got in from work, I'm knackered.
Payday on {day}!
I've got so much paperwork to do.
The computer's down again.
Leaving work now.
I'm on nights this week.
Got a pay rise!
Training course all day tomorrow.
I'm going to be late home, sorry.
Can't talk, I'm in a meeting.
Only two more days till my holidays.
I've handed my notice in.
""".strip().split("\n")

TOPICS["pub"] = """
Fancy a pint?
We're in {pub}, get yourself down.
What a night!
I'm never drinking again.
Are you coming out tonight?
Whose round is it?
I've lost my coat somewhere.
My head is killing me.
Do you want to go for a quick one after work?
We're going into town on {day}, are you up for it?
I'm in the taxi queue.
Where did you get to last night?
Had a cracking night, thanks.
Quiz night at {pub} on {day}.
It's two for one on cocktails.
{friend} is absolutely hammered.
What happened last night?
I can't remember getting home.
We're off to the club after.
Are you still out?
I'm too tired to go out.
Karaoke at {pub}, come down.
Let's have a quiet one at {pub}.
Last orders!
""".strip().split("\n")

TOPICS["football"] = """
Did you see the match?
What a goal!
We were robbed.
Are you going to the game on Saturday?
{team} lost again.
Three nil, get in!
The ref was a joke.
Got two tickets for Saturday if you want one.
Are you watching the match at {pub}?
Come on {team}!
Five a side is on {day} at {time}.
I've pulled a muscle at football.
What was the score?
We're going down, I'm telling you.
Missed the penalty, can you believe it?
Kick off is at three.
""".strip().split("\n")

TOPICS["ill"] = """
Feeling rough, think I've got the flu.
Can't come in today, I'm full of cold.
Hope you feel better soon.
I've been to the doctor's.
My back is killing me.
Got an appointment at the hospital on {day}.
I've got a stinking cold.
Are you feeling any better?
I've been in bed all day.
Got some tablets from the chemist.
I've lost my voice.
{kid} has a temperature so I'm staying home.
The doctor says it's a virus.
I feel like death.
Get well soon.
I'm going back to bed.
My knee is playing up again.
I think it was something I ate.
Have you had your jab yet?
Went to the dentist, my face is numb.
""".strip().split("\n")

TOPICS["birthday"] = """
Happy birthday!
Have a lovely day.
What do you want for your birthday?
Happy birthday to you, have a good one.
Hope you have a brilliant birthday.
Don't forget it's {friend}'s birthday on {day}.
Thanks for my card, it made me laugh.
What are you doing for your birthday?
We're having a party for {kid} on {day}.
Got you a little something.
Hope you get spoilt rotten.
Did you get my card?
Many happy returns.
Happy anniversary!
Thanks for all the birthday wishes.
Have a drink for me.
""".strip().split("\n")

TOPICS["thanks"] = """
Thanks for tonight, had a great time.
Cheers for the lift.
Thanks for having us.
Thanks for the flowers, they're lovely.
Thank you so much, you're a star.
Cheers for sorting it.
Thanks for ringing.
Thanks for everything.
Thanks for looking after the kids.
Thanks for the money, I'll pay you back.
Cheers mate, owe you one.
That's really kind, thank you.
Thanks for tea, it was lovely.
Thanks for listening.
Cheers for the text.
Thanks for the present.
""".strip().split("\n")

TOPICS["sorry"] = """
Sorry I missed your call.
Sorry about last night.
Sorry I didn't text back, I was asleep.
Really sorry, I forgot.
Sorry I can't make it.
Sorry for being grumpy.
Sorry, my phone was on silent.
Sorry it's so late.
I'm really sorry, it won't happen again.
Sorry, I've only just seen this.
Sorry I was so rude earlier.
Sorry, I've been really busy.
Sorry, no signal here.
Sorry to mess you about.
""".strip().split("\n")

TOPICS["late"] = """
Running late, be there in ten.
Bus didn't turn up, going to be late.
Be there in five minutes.
Stuck in traffic.
I'm going to be about twenty minutes late.
Set off now, see you soon.
Overslept, sorry.
Just leaving now.
Where are you? You said {time}.
I'm here, where are you?
Won't be long.
Got held up at work.
Nearly there.
Just parking.
I'm still waiting for you.
Go without me, I'll catch you up.
""".strip().split("\n")

TOPICS["weather"] = """
It's chucking it down here.
Lovely day, off to the park.
Freezing today!
It's snowing!
Take a coat, it's going to rain.
Gorgeous day, I'm sat in the garden.
I got soaked walking home.
It's blowing a gale.
Too hot to do anything.
Roads are icy, be careful.
The sun's out at last.
Typical, it rained all week.
It's pouring, can you bring the washing in?
Fog's really bad, drive carefully.
""".strip().split("\n")

TOPICS["transport"] = """
Train's delayed again.
On the bus now.
Missed the last bus.
Train was packed.
Just got off the train.
The buses are on strike.
I'm at the station.
Changed at {place}, should be home by {time}.
There's been an accident, we're not moving.
The train's cancelled, I'll get the next one.
Sat on the train with no seat.
Bus pass has run out.
Can you check the train times for me?
Stuck on the motorway.
""".strip().split("\n")

TOPICS["school"] = """
Got my maths exam tomorrow.
Did you do the homework?
Miss gave me a detention.
I hate school.
Are you going to school tomorrow?
We've got PE first, I forgot my kit.
What did you get for question three?
I'm revising all night.
Got an A in English!
Can I copy your homework?
Mum says I can't go out till I've revised.
Are you going to the disco?
Sir kept us behind.
Can't wait for the holidays.
I've got to stay in, I'm grounded.
Can you lend me your notes?
I failed my science test.
School trip on {day}!
Are you sitting next to me in French?
The bus was late so I missed registration.
Results are out on {day}.
I've got loads of coursework.
Do you want to come to mine after school?
My mum won't let me go.
Lecture at nine, I'll never make it.
My essay is due on {day}.
The library's shut again.
""".strip().split("\n")

TOPICS["grandkids"] = """
Lovely to see the grandchildren.
Tell {kid} Nana says well done.
Give the little ones a big kiss from me.
Can we have {kid} on {day}?
{kid} looked so grown up in the photos.
Thank you for the pictures of {kid}.
We'll have the children on {day} if that helps.
The little one was as good as gold.
Grandad has fixed {kid}'s bike.
Hope {kid} is enjoying school.
Tell the children we miss them.
Has {kid} settled in at nursery?
We're so proud of {kid}.
I've knitted {kid} a cardigan.
Bring the children round for Sunday dinner.
""".strip().split("\n")

TOPICS["phone"] = """
Got no credit, ring me.
My phone's about to die.
Text me when you get home.
Did you get my message?
Ring me when you get this.
I've topped up, can text now.
Lost my phone, this is my new number.
Are you getting my texts?
My battery's dead.
I tried ringing but it went to answerphone.
Can't talk, text me.
Sorry, dropped my phone down the toilet.
Send me the picture.
Give me a ring later.
I'll call you back in a minute.
Ring me back.
""".strip().split("\n")

TOPICS["chat"] = """
Miss you.
Love you loads.
Can't wait to see you.
What are you up to?
Not much, just watching telly.
Bored!
Are you ok?
How are you?
How was your day?
What have you been up to?
Just thinking about you.
Can't sleep.
Have you heard about {friend}?
You'll never guess what happened.
I've got some gossip for you.
Night night, sleep tight.
Are you still awake?
Did you have a good weekend?
I'm so bored, nothing on telly.
Just got home.
Been a long day.
Hope you're ok.
Did you watch it last night?
I'm in the bath.
Having a lazy day.
Just woke up.
Did you hear that?
How did it go?
What did he say?
I'm in a right mood.
That made me laugh.
You're mad, you are.
Me and {friend} are having a girly night in.
""".strip().split("\n")

TOPICS["home"] = """
Can you feed the cat?
Mum says you've got to come home.
Don't forget your key.
Have you seen my phone charger?
The boiler's broken again.
Can you take the bins out?
I've left the back door open.
The dog's been sick on the carpet.
Can you record it for me?
The washing machine's flooded.
Gran's coming for dinner on {day}.
Dad's in a mood.
Tidy your room before I get back.
Have you finished in the bathroom?
We've got a new sofa.
I've painted the kitchen.
Who's eaten all the biscuits?
Can you let the plumber in?
Your brother's got your jacket.
Mum wants to know if you're coming home for tea.
""".strip().split("\n")

TOPICS["plans"] = """
We're off to the seaside on {day}.
Booked the holiday!
Only a fortnight till we go away.
Are you going to the wedding?
Camping this weekend if it stays dry.
Just got back from holiday, it was lovely.
We're going to the caravan for the week.
What are you doing for Christmas?
We're having a barbecue on {day}, come round.
Do you fancy the pictures on {day}?
Got tickets for the concert!
We're going to {friend}'s for New Year.
Shall we book a table somewhere?
It was a lovely do.
We're thinking of moving house.
Day out at the zoo with the kids.
""".strip().split("\n")

# Short replies, used as whole texts.
REPLIES = """
Ok
Okay
Ok thanks
Yes
No
Yes please
No thanks
Thanks
Will do
See you then
Sounds good
Yeah go on then
Ok love
Lol
Haha
Fine
Great
Cheers mate
No worries
Where are you?
On my way
Ring me
Love you
Night
Ok see you later
Yeah I know
Not sure yet
Maybe
Course I will
Cool
Brilliant
Lovely
Nice one
Ta
Me too
Good luck
Well done
Bless you
Oh no
Ok, on my way.
Yeah that's fine
Home now
Just got in
Going to bed
Where?
What time?
Who?
Why?
How come?
No way!
You're joking
Shut up!
Alright then
Whatever
""".strip().split("\n")

# General sentences that can close any text.
CLOSERS = """
Let me know.
Speak later.
Ring me when you get this.
Text me back.
Hope you're ok.
Take care.
See you soon.
Have a good one.
Catch you later.
Love you.
Miss you.
Talk tomorrow.
Anyway, better go.
Anyway, must dash.
Got to go, tea's ready.
Speak soon.
Let me know what you think.
Have a good night.
See you tomorrow.
Don't work too hard.
Behave yourself.
Mind how you go.
""".strip().split("\n")

GREETINGS_YOUNG = ["Hiya", "Hey", "Heya", "Alright", "Oi", "Hey babe", "Hiya hun", "Yo", "Hey you"]
GREETINGS_MID = ["Hi", "Hiya", "Hello", "Hi love", "Morning", "Alright mate", "Hi hun", "Evening"]
GREETINGS_OLD = ["Hello", "Hello love", "Hi dear", "Good morning", "Hello darling", "Hi"]

# --------------------------------------------------------------------------
# Fillers for the placeholders.
# --------------------------------------------------------------------------

FILL = {
    "time": ["7.30", "8", "half 6", "6ish", "7", "half past 7", "9", "10 past 4", "quarter to 8",
             "12", "1 o'clock", "5.30", "about 8", "3.15", "11", "8.45", "2", "half 10", "6"],
    "day": ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday",
            "Friday night", "Saturday night", "Sat", "Sun", "Fri", "Thurs", "Sunday afternoon"],
    "place": ["the station", "the bus stop", "town", "the precinct", "the market", "the leisure centre",
              "the park gates", "the church hall", "the health centre", "the top of the road",
              "the chippy", "the garage", "Gran's", "the cinema", "the library"],
    "pub": ["the Red Lion", "the Plough", "the Fox", "the Crown", "the Kings Head", "the Anchor",
            "the White Hart", "the Swan", "the club", "the Oak"],
    "shop": ["Tesco", "Asda", "Boots", "Primark", "Morrisons", "the Co-op", "Sainsbury's",
             "the corner shop", "Woolies", "Argos", "the market", "Superdrug"],
    "price": ["£5", "£10", "£2.50", "£20", "a tenner", "a fiver", "20 quid", "£3.99", "£15",
              "£1", "50p", "£40", "£7.50", "30 quid"],
    "friend": ["Jo", "Sam", "Becky", "Gaz", "Kev", "Shell", "Lisa", "Nat", "Mel", "Dan", "Rach",
               "Tina", "our Lee", "Big Steve", "Kaz", "Jen", "Ollie", "Abbie"],
    "kid": ["Jack", "Ellie", "Josh", "Megan", "Charlie", "Lily", "Ben", "Katie",
            "Harry", "Molly", "Callum", "our Jade"],
    "son": ["Jack", "Josh", "Ben", "Harry", "Callum", "Charlie", "Liam", "our Lee"],
    "food": ["bread", "milk", "bacon", "sausages", "chicken", "eggs", "potatoes", "cheese",
             "beans", "fish fingers", "spag bol", "pizza", "mince", "crumpets", "pasta"],
    "num": ["2", "3", "4", "5", "10", "20"],
    "team": ["City", "United", "Rovers", "the Villa", "the lads", "Town", "Albion", "Wanderers"],
}

# --------------------------------------------------------------------------
# Spelling habits.  Each entry: standard word -> variants, most common first.
# "weight" says how readily an author who abbreviates picks this word up.
# --------------------------------------------------------------------------

PHRASE_ABBR = [
    # (phrase, variants, weight)
    ("see you", ["cu", "cya", "c u", "see ya"], 0.8),
    ("don't know", ["dunno", "duno", "dno"], 0.6),
    ("going to", ["gonna", "gna", "guna", "gunna"], 0.6),
    ("want to", ["wanna", "wana", "wna"], 0.6),
    ("got to", ["gotta", "gota"], 0.5),
    ("a bit", ["abit"], 0.3),
    ("a lot", ["alot"], 0.4),
    ("as well", ["aswell"], 0.4),
    ("in front", ["infront"], 0.3),
    ("up to", ["upto"], 0.3),
    ("got you", ["got ya", "gt u"], 0.3),
    ("love you", ["luv u", "love ya", "lv u", "loveyu"], 0.6),
    ("thank you", ["thanku", "fanku", "thank u", "ta"], 0.5),
    ("by the way", ["btw", "Btw"], 0.4),
    ("oh my god", ["omg"], 0.6),
    ("at the moment", ["atm"], 0.4),
    ("weekend", ["wkend", "wknd", "w/end"], 0.5),
]

WORD_ABBR = {
    # word: (variants, weight)
    "you": (["u", "ya", "yer", "yew"], 2.0),
    "your": (["ur", "yr", "yur"], 0.9),
    "you're": (["ur", "youre", "u'r", "ure"], 0.9),
    "you'll": (["ul", "u'll", "ule"], 0.6),
    "you've": (["uve", "u've", "uv"], 0.6),
    "are": (["r"], 0.9),
    "to": (["2"], 0.7),
    "too": (["2"], 0.6),
    "for": (["4", "fr"], 0.7),
    "and": (["&", "n", "nd"], 0.35),
    "the": (["da", "th"], 0.05),
    "tomorrow": (["tomo", "2moro", "2moz", "tomoz", "2morow", "tomorro"], 0.9),
    "tonight": (["2nite", "tonite", "2nyt"], 0.9),
    "today": (["2day", "2dy", "tody"], 0.8),
    "today's": (["2days", "todays"], 0.6),
    "back": (["bk", "bak", "bck"], 0.8),
    "text": (["txt", "tx", "tex"], 0.9),
    "texts": (["txts", "texts", "txs"], 0.8),
    "texting": (["txtin", "textin", "texting"], 0.6),
    "texted": (["txted", "txtd", "texd"], 0.6),
    "have": (["av", "hav", "hv", "hve", "ave"], 0.6),
    "haven't": (["havent", "avnt", "havn't"], 0.6),
    "what": (["wot", "wat", "wha"], 0.8),
    "what's": (["wots", "whats", "wats"], 0.7),
    "that": (["dat", "tht"], 0.4),
    "that's": (["thats", "dats"], 0.6),
    "this": (["dis", "ths"], 0.35),
    "them": (["dem", "em"], 0.35),
    "there": (["der", "ther", "dere"], 0.4),
    "there's": (["theres", "ders", "thers"], 0.5),
    "their": (["der", "ther"], 0.3),
    "think": (["fink", "thnk"], 0.4),
    "thing": (["fing", "ting"], 0.35),
    "things": (["fings"], 0.35),
    "thought": (["thort", "thoght", "fort"], 0.4),
    "ok": (["ok", "k", "okay", "kk", "o.k."], 0.5),
    "okay": (["ok", "k", "okaii"], 0.5),
    "is": (["s", "z"], 0.1),
    "how": (["hw", "ow"], 0.4),
    "how's": (["hows", "hws", "ows"], 0.5),
    "who": (["hu", "who"], 0.3),
    "who's": (["whos", "whoz"], 0.5),
    "we'll": (["wel", "we'l"], 0.5),
    "we're": (["wer", "were"], 0.5),
    "we've": (["weve", "we'v"], 0.5),
    "i'm": (["im", "Im"], 0.9),
    "i'll": (["il", "Ill", "i'l"], 0.7),
    "i've": (["ive", "Ive", "Iv"], 0.7),
    "i'd": (["id", "Id"], 0.6),
    "before": (["b4"], 0.9),
    "great": (["gr8", "g8"], 0.8),
    "later": (["l8r", "l8", "lata"], 0.9),
    "late": (["l8"], 0.7),
    "mate": (["m8"], 0.7),
    "wait": (["w8"], 0.7),
    "waiting": (["waitin", "w8in"], 0.7),
    "see": (["c"], 0.5),
    "be": (["b"], 0.5),
    "been": (["bn", "bin"], 0.5),
    "people": (["ppl", "pple"], 0.8),
    "please": (["plz", "pls", "pz", "pse"], 0.9),
    "thanks": (["thanx", "ta", "thnx", "thanks"], 0.8),
    "sorry": (["soz", "sori", "sory"], 0.8),
    "because": (["cos", "cos", "coz", "cus", "cuz", "cause"], 0.9),
    "cos": (["coz", "cuz"], 0.2),
    "love": (["luv", "lv"], 0.7),
    "with": (["wiv", "wid", "wth"], 0.08),
    "about": (["abt", "bout", "bowt"], 0.6),
    "night": (["nite", "nyt", "nht"], 0.7),
    "nights": (["nites"], 0.5),
    "going": (["goin"], 0.8),
    "doing": (["doin"], 0.8),
    "coming": (["cumin", "comin", "cmng", "cuming"], 0.8),
    "come": (["cm"], 0.3),
    "nothing": (["nothin", "nuffin", "nufin"], 0.7),
    "something": (["sumthing", "summit", "sumin", "smthng", "somethg"], 0.7),
    "someone": (["sum1"], 0.7),
    "anyone": (["any1"], 0.7),
    "some": (["sum", "sm"], 0.5),
    "little": (["lil"], 0.5),
    "just": (["jus", "jst"], 0.5),
    "know": (["kno", "knw"], 0.5),
    "don't": (["dont", "dnt"], 0.8),
    "can't": (["cant", "cnt"], 0.8),
    "didn't": (["didnt", "ddnt", "dint"], 0.8),
    "won't": (["wont"], 0.8),
    "wasn't": (["wasnt", "woznt"], 0.7),
    "was": (["woz", "waz", "wuz"], 0.4),
    "were": (["wer", "wr"], 0.3),
    "work": (["wrk"], 0.4),
    "working": (["workin", "wrkin"], 0.7),
    "school": (["skool", "skl"], 0.6),
    "morning": (["mornin", "morn"], 0.7),
    "message": (["msg"], 0.8),
    "phone": (["fone"], 0.5),
    "should": (["shud", "shd", "shld"], 0.6),
    "could": (["cud", "cld"], 0.6),
    "would": (["wud", "wld"], 0.6),
    "couldn't": (["cudnt", "cldn't"], 0.6),
    "wouldn't": (["wldnt", "wudn't"], 0.6),
    "got": (["gt"], 0.3),
    "good": (["gd", "gud"], 0.6),
    "really": (["rly", "realy", "reali", "rele"], 0.6),
    "yeah": (["yeh", "ye", "yh", "ya", "yea"], 0.6),
    "probably": (["probs", "prob", "probaly", "Probly"], 0.6),
    "possible": (["poss"], 0.5),
    "alright": (["alrite", "alryt", "alright"], 0.7),
    "together": (["2gther"], 0.5),
    "forgot": (["4got"], 0.7),
    "forward": (["4ward"], 0.6),
    "from": (["frm", "4rm"], 0.5),
    "next": (["nxt", "nex"], 0.5),
    "now": (["nw"], 0.3),
    "new": (["nu"], 0.4),
    "time": (["tym", "tme"], 0.5),
    "times": (["tyms"], 0.5),
    "minutes": (["mins", "minz"], 0.9),
    "more": (["mre"], 0.3),
    "other": (["otha"], 0.4),
    "another": (["anuva"], 0.5),
    "never": (["neva"], 0.6),
    "over": (["ova"], 0.5),
    "picture": (["pic", "pctr"], 0.7),
    "presents": (["prezzies", "pressies"], 0.6),
    "present": (["prezzie", "prezzy"], 0.6),
    "hospital": (["hosp"], 0.5),
    "appointment": (["appt"], 0.8),
    "meeting": (["mtg", "meetin"], 0.6),
    "of": (["ov", "o"], 0.05),
    "why": (["y"], 0.6),
    "everything": (["evrything", "evryfin"], 0.4),
    "every": (["evry"], 0.5),
    "anything": (["nethin", "anythin"], 0.5),
    "looking": (["lookin", "lukin"], 0.7),
    "like": (["lyk", "lk", "lke"], 0.4),
    "right": (["ryt", "rite"], 0.5),
    "straight": (["str8"], 0.7),
    "though": (["tho"], 0.7),
    "through": (["thru", "thro"], 0.7),
    "until": (["til", "untill"], 0.5),
    "till": (["til", "tl"], 0.4),
    "at": (["@"], 0.15),
    "speak": (["spk"], 0.5),
    "talk": (["tlk"], 0.4),
    "home": (["hme"], 0.3),
    "getting": (["gettin", "getin", "geting"], 0.7),
    "having": (["havin", "avin", "hvng"], 0.7),
    "feeling": (["feelin", "feelng"], 0.7),
    "sleeping": (["sleepin"], 0.7),
    "talking": (["talkin"], 0.7),
    "shopping": (["shoppin", "shopin"], 0.7),
    "watching": (["watchin"], 0.7),
    "drinking": (["drinkin"], 0.7),
    "driving": (["drivin", "drvng"], 0.7),
    "staying": (["stayin"], 0.7),
    "taking": (["takin"], 0.7),
    "thinking": (["thinkin"], 0.7),
    "walking": (["walkin"], 0.7),
    "wondering": (["wonderin", "wondrin"], 0.7),
    "ringing": (["ringin"], 0.7),
    "picking": (["pickin"], 0.7),
    "putting": (["puttin"], 0.7),
    "saying": (["sayin"], 0.7),
    "giving": (["givin"], 0.7),
    "smoking": (["smokin"], 0.7),
    "chilling": (["chillin"], 0.7),
    "freezing": (["freezin"], 0.7),
    "boring": (["borin"], 0.7),
    "still": (["stil", "stl"], 0.4),
    "tell": (["tel"], 0.2),
    "call": (["cal"], 0.2),
    "congratulations": (["congrats"], 0.9),
    "cigarette": (["ciggie", "cig"], 0.7),
    "cigarettes": (["cigs"], 0.7),
    "darling": (["darlin"], 0.7),
    "knackered": (["knacrd"], 0.3),
    "brother": (["bruv"], 0.2),
    "remember": (["remeba", "memba"], 0.5),
    "already": (["alredy"], 0.4),
    "actually": (["actualy"], 0.4),
    "usually": (["usualy"], 0.4),
    "basically": (["basicaly"], 0.4),
    "hope": (["hpe"], 0.3),
    "hopefully": (["hpfly"], 0.5),
    "happy": (["hapy"], 0.3),
    "birthday": (["bday", "b'day"], 0.5),
    "breakfast": (["brkfast"], 0.5),
    "week": (["wk"], 0.4),
    "weeks": (["wks"], 0.4),
    "yesterday": (["yestday", "ystdy", "yestdy"], 0.6),
    "hours": (["hourz", "hrs"], 0.4),
    "number": (["numba", "no."], 0.4),
    "round": (["rnd", "round"], 0.3),
    "down": (["dwn"], 0.3),
    "town": (["twn"], 0.3),
    "than": (["thn"], 0.4),
    "then": (["thn", "den"], 0.4),
    "when": (["wen", "wn"], 0.6),
    "where": (["wer", "where"], 0.3),
    "well": (["wel"], 0.2),
    "will": (["wil"], 0.3),
    "she's": (["shes"], 0.6),
    "he's": (["hes"], 0.6),
    "it's": (["its"], 0.7),
    "he'd": (["hed"], 0.5),
    "isn't": (["int", "isnt", "aint"], 0.5),
    "aren't": (["aint", "arent"], 0.4),
    "one": (["1"], 0.3),
    "someone's": (["sum1s"], 0.5),
    "haha": (["haha", "hahaha", "ha ha"], 0.5),
    "hello": (["ello", "hello"], 0.3),
    "fancy": (["fancy"], 0.1),
    "girls": (["gals", "girlz"], 0.3),
}

# Words an extremely abbreviating writer shortens whatever else happens.
HEAVY_EXTRA = {
    "and": "MIX:and,and,n,&", "to": "2", "too": "2", "for": "4", "you": "u", "are": "r",
    "your": "ur", "you're": "ur", "see": "c", "be": "b", "what": "wot", "that": "dat",
    "this": "dis", "have": "av", "because": "MIX:cos,coz", "please": "plz", "thanks": "ta",
    "just": "jus", "good": "gd", "with": "MIX:with,with,with,wiv", "about": "bout", "night": "nyt",
    "people": "ppl", "why": "y", "text": "txt", "back": "bk", "message": "msg",
    "sorry": "soz", "later": "l8r", "great": "gr8", "mate": "m8", "wait": "w8",
    "tonight": "2nite", "tomorrow": "MIX:tomo,2moro,tomo", "today": "2day", "love": "luv",
    "don't": "dnt", "can't": "cnt", "didn't": "ddnt", "i'm": "im", "i'll": "il",
    "i've": "ive", "know": "kno", "going": "goin", "doing": "doin", "coming": "cumin",
    "okay": "ok", "ok": "MIX:ok,ok,k", "yeah": "MIX:yeah,yeh", "at": "@", "from": "frm", "of": "o",
    "before": "b4", "it's": "its", "that's": "dats", "was": "woz", "there": "der",
    "their": "der", "them": "dem", "then": "den", "when": "wen", "some": "sum",
    "would": "wud", "could": "cud", "should": "shud", "really": "rly", "been": "bn",
    "getting": "gettin", "one": "1", "come": "cum", "work": "wrk", "little": "lil",
    "minutes": "mins", "still": "stl", "yes": "yeh", "how": "hw",
    "will": "wil", "think": "fink", "thing": "fing", "right": "ryt",
    "something": "sumin", "nothing": "nuffin", "though": "tho", "school": "skl",
    "home": "hme", "phone": "fone", "time": "tym", "next": "nxt", "now": "nw",
    "week": "wk", "morning": "mornin", "weekend": "wknd", "birthday": "bday",
    "oh": "o", "not": "nt", "new": "nu", "want": "wnt", "speak": "spk", "talk": "tlk",
    "down": "dwn", "town": "twn", "round": "rnd", "where": "wer", "were": "wr",
    "five": "5", "two": "2", "three": "3", "four": "4", "ten": "10",
    "minute": "min", "station": "stn", "credit": "cred", "holidays": "hols", "anyway": "neway",
    "brilliant": "brill", "definitely": "def", "probably": "prob", "question": "q",
    "alright": "alryt", "remember": "memba", "already": "alredy", "everyone": "evry1",
    "anyone": "any1", "someone": "sum1", "forgot": "4got", "here": "ere", "they": "dey",
    "won't": "wont", "i've": "iv", "what's": "wots", "tea": "tea", "waiting": "w8in",
    "late": "l8", "twenty": "20", "half": "1/2", "hour": "hr", "hours": "hrs",
    "quick": "quik", "thought": "thort", "please": "plz", "thing": "fing", "things": "fings",
    "money": "dosh", "ready": "redy", "gonna": "gna", "wanna": "wana", "after": "afta",
    "lovely": "luvly", "again": "agen", "better": "betta", "number": "numba",
    "whenever": "wenever", "yourself": "urself", "saturday": "sat", "sunday": "sun",
    "friday": "fri", "monday": "mon", "tuesday": "tues", "wednesday": "wed", "thursday": "thurs",
    "dinner": "dinna", "missed": "misd", "soon": "sn", "laugh": "laff", "another": "anuva",
    "other": "otha", "never": "neva", "over": "ova", "having": "avin", "picture": "pic",
    "anything": "nethin", "everything": "evryfin", "nothing": "nuffin", "cheers": "cheers",
    "seven": "7", "six": "6", "eight": "8", "nine": "9", "twelve": "12", "got": "gt",
}

# Words never to change (the generator uses them in its fix-up stage).
KEEP = {"x", "xx", "xxx", "xxxx", "lol", "haha"}

# Occasional colour: mild swearing (only some authors), reported speech with
# typographic quotes, asterisk asides.
SWEARY = """
Bloody bus never came.
What a shit day.
I'm so pissed off with work.
Bloody hell, it's freezing.
That's fucking brilliant.
Bloody car won't start.
My boss is a right pain in the arse.
Shit, I've left my keys at yours.
Bloody hell, have you seen the price of petrol?
I'm absolutely pissed.
""".strip().split("\n")

QUOTES = """
Mum said “not on a school night”.
{kid} said “Nana, you're the best”.
He just said “whatever” and walked off.
She said “ring me when you're back” so I did.
The sign says “back in ten minutes”.
{friend} said “see you there” so I think it's on.
The man in the shop said “we don't do refunds”.
{kid} keeps saying “are we nearly there yet”.
""".strip().split("\n")

ASIDES = ["*sigh*", "*yawn*", "*hugs*", "*grin*", "*blush*", "*cough*"]

SMILEYS = [":)", ":-)", ";)", ":(", ":-(", ":D", ";-)", ":P"]

# More sentences, mostly addressed to the reader.
_MORE = {
    "work": """
Are you working tomorrow?
Can you tell {friend} I'll be in late?
Did you get the job?
What time do you finish?
Are you on earlies or lates this week?
I'll ring you on my break.
Do you want me to get you a sandwich?
You won't believe what the boss said today.
How did you get on at the interview?
""",
    "ill": """
Do you need anything from the chemist?
Are you still poorly?
Have you been to the doctor's yet?
Do you want me to bring you some soup?
You sounded awful on the phone.
Stay in bed, you need the rest.
Did you get your results back?
""",
    "sorry": """
Are you still cross with me?
I owe you one.
Sorry, did you ring?
I didn't mean to upset you.
Are you talking to me yet?
Forgive me?
""",
    "weather": """
Have you seen it out there?
Did you get wet?
Are you warm enough?
Wrap up, it's bitter out.
Have you got snow where you are?
""",
    "transport": """
Which bus are you getting?
Are you on the train yet?
Let me know when you get in.
What time does your train get in?
I'll meet you off the bus.
""",
    "plans": """
Are you coming with us on {day}?
Have you booked anything yet?
Do you want to come camping?
Have you got your outfit sorted for the wedding?
Did you have a nice time away?
""",
    "grandkids": """
Are you bringing the children on {day}?
Did {kid} like the present we sent?
Can you send me a photo of {kid}?
Are you all keeping well?
Give my love to {kid}.
""",
    "thanks": """
Thank you, you're a diamond.
Thank you for a lovely evening.
You didn't have to do that.
I don't know what I'd do without you.
""",
    "school": """
Are you going to revise with me?
Did you get your results?
What did you get in the test?
Are you walking to school tomorrow?
Have you done the science?
Can you ask your mum if I can stay over?
Are you going to the party?
""",
    "kids": """
Are you picking up the kids or am I?
Can you sign {kid}'s form for school?
Have you got {kid}'s PE bag?
Did you give {kid} dinner money?
Can you take {kid} to the dentist on {day}?
""",
    "pub": """
Are you out tonight?
What are you drinking?
Where are you lot?
Are you still in {pub}?
Did you get home alright?
You owe me a drink.
""",
    "tea": """
Are you in for tea?
Do you want chips with it?
Have you eaten?
""",
    "shopping": """
Do you want anything from {shop}?
Have you got any cash on you?
Did you get the bread?
""",
    "chat": """
Are you there?
Where have you been?
Did you get home ok?
What are you doing tonight?
Are you up yet?
Have you heard from {friend}?
You ok?
What you up to?
""",
}
for _k, _v in _MORE.items():
    TOPICS[_k].extend(_v.strip().split("\n"))

CLOSERS.extend("""
See you later.
Love you lots.
See you in a bit.
Are you ok?
Speak to you later.
Thank you.
See you there.
Let you know later.
""".strip().split("\n"))

REPLIES.extend("""
See you in a bit
Thank you
Love you too
Are you ok?
Where are you now?
Are you coming?
See you soon
Did you get it?
""".strip().split("\n"))
